#include "settings/ui/fav_name_page.h"
#include "settings/ui/page_form.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QLineEdit>

namespace vorlane::ui {

FavNamePage::FavNamePage(QWidget* parent) : StbPage(parent) {
    auto* form = MakePageForm(this);
    for (std::size_t group = 0; group < m_names.size(); ++group) {
        auto* name = new QLineEdit(this);
        name->setObjectName(QStringLiteral("favName%1").arg(group + 1));
        name->setMaxLength(static_cast<int>(settings_layout::kFavNameLength));
        form->addRow(QCoreApplication::translate("FavNamePage", "Favorite name %1").arg(group + 1), name);
        m_names[group] = name;
    }
}

// Names are Latin-1 text, so every stored byte shows as one character and comes back unchanged.
void FavNamePage::Initialise(const ReceiverSettings& settings) {
    for (std::size_t group = 0; group < m_names.size(); ++group) {
        const std::string name = settings.fav_name(group);
        m_names[group]->setText(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    }
}

bool FavNamePage::Save(ReceiverSettings& settings) {
    for (std::size_t group = 0; group < m_names.size(); ++group) {
        const QByteArray name = m_names[group]->text().toLatin1();
        settings.set_fav_name(group, std::string_view(name.constData(), static_cast<std::size_t>(name.size())));
    }
    return true;
}

} // namespace vorlane::ui
