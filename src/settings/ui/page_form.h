#pragma once
// The layout of a settings page: labels on the left, each control at its natural width beside its label.

class QFormLayout;
class QWidget;

namespace vorlane::ui {

QFormLayout* MakePageForm(QWidget* page);

} // namespace vorlane::ui
