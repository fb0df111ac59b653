#include "settings/ui/page_form.h"

#include <QFormLayout>

namespace vorlane::ui {

QFormLayout* MakePageForm(QWidget* page) {
    auto* form = new QFormLayout(page);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    return form;
}

} // namespace vorlane::ui
