#include "shell/channel_listing_pages.h"

#include "listtools/channel_entries.h"
#include "listtools/folded_text.h"
#include "shell/view_texts.h"

#include <QCoreApplication>
#include <QDate>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <array>

namespace vorlane::ui {
namespace {

// Share of the line width per column, in hundredths.
constexpr std::array<int, 7> kColumnShares = {7, 33, 20, 11, 6, 12, 11};
constexpr const char* kColumnHeads[] = {
    QT_TRANSLATE_NOOP("ChannelListingPages", "No."),       QT_TRANSLATE_NOOP("ChannelListingPages", "Name"),
    QT_TRANSLATE_NOOP("ChannelListingPages", "Satellite"), QT_TRANSLATE_NOOP("ChannelListingPages", "Frequency"),
    QT_TRANSLATE_NOOP("ChannelListingPages", "Pol."),      QT_TRANSLATE_NOOP("ChannelListingPages", "Symbol rate"),
    QT_TRANSLATE_NOOP("ChannelListingPages", "Program")};
constexpr int kHeadingLines = 2;
constexpr int kFooterLines = 1;

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

QStringList ColumnHeads() {
    QStringList heads;
    for (const char* head : kColumnHeads)
        heads << QCoreApplication::translate("ChannelListingPages", head);
    return heads;
}

} // namespace

ChannelListingPages::ChannelListingPages(const ChannelDatabase& db, const QString& heading, const QRect& page,
                                         const QFont& font, QPaintDevice* device)
    : m_heading(heading), m_page(page), m_font(font) {
    m_lineHeight = QFontMetrics(font, device).lineSpacing();
    m_linesPerPage = std::max(1, page.height() / m_lineHeight - kHeadingLines - kFooterLines);
    const QStringList columnHeads = ColumnHeads();
    for (const TunerSide side : kTunerSides) {
        for (const ServiceType type : kTvAndRadio) {
            const std::vector<ChannelEntry> entries = MainListEntries(db, side, type);
            if (entries.empty())
                continue;
            m_lines.push_back({true,
                               {QCoreApplication::translate("ChannelListingPages", "Tuner %1 - %2 channels")
                                    .arg(TunerNumber(side))
                                    .arg(ServiceTypeText(type))}});
            m_lines.push_back({false, columnHeads});
            int number = 0;
            for (const ChannelEntry& entry : entries) {
                const std::string satellite =
                    entry.satellite < 0 ? std::string() : db.Satellite(entry.satellite).Name();
                m_lines.push_back(
                    {false,
                     {QString::number(++number), Latin1(entry.name), Latin1(std::string(Trimmed(satellite))),
                      QString::number(entry.frequency), QString(QChar(PolarisationLetter(entry.polarisation))),
                      QString::number(entry.symbolRate), QString::number(entry.programNumber)}});
            }
        }
    }
}

int ChannelListingPages::PageCount() const {
    return std::max<int>(1, int((m_lines.size() + std::size_t(m_linesPerPage) - 1) / std::size_t(m_linesPerPage)));
}

void ChannelListingPages::PaintPage(QPainter& painter, int page) const {
    painter.save();
    painter.setFont(m_font);
    const int left = m_page.left();
    const int width = m_page.width();
    QFont bold = m_font;
    bold.setBold(true);
    painter.setFont(bold);
    painter.drawText(QRect(left, m_page.top(), width, m_lineHeight), Qt::AlignLeft | Qt::AlignVCenter, m_heading);
    painter.drawLine(left, m_page.top() + m_lineHeight + m_lineHeight / 2, left + width,
                     m_page.top() + m_lineHeight + m_lineHeight / 2);

    int y = m_page.top() + kHeadingLines * m_lineHeight;
    const std::size_t first = std::size_t(page) * std::size_t(m_linesPerPage);
    const QStringList columnHeadTexts = ColumnHeads();
    for (std::size_t i = first; i < m_lines.size() && i < first + std::size_t(m_linesPerPage); ++i) {
        const Line& line = m_lines[i];
        const bool columnHeads = !line.section && line.cells == columnHeadTexts;
        painter.setFont(line.section || columnHeads ? bold : m_font);
        if (line.section) {
            painter.drawText(QRect(left, y, width, m_lineHeight), Qt::AlignLeft | Qt::AlignVCenter, line.cells[0]);
        } else {
            int x = left;
            for (std::size_t c = 0; c < kColumnShares.size(); ++c) {
                const int cellWidth = width * kColumnShares[c] / 100;
                painter.drawText(QRect(x, y, cellWidth - 4, m_lineHeight), Qt::AlignLeft | Qt::AlignVCenter,
                                 line.cells[qsizetype(c)]);
                x += cellWidth;
            }
        }
        y += m_lineHeight;
    }
    painter.setFont(m_font);
    painter.drawText(
        QRect(left, m_page.bottom() - m_lineHeight, width, m_lineHeight), Qt::AlignCenter,
        QCoreApplication::translate("ChannelListingPages", "Page %1 of %2").arg(page + 1).arg(PageCount()));
    painter.restore();
}

void PrintChannelListing(QPrinter& printer, const ChannelDatabase& db, const QString& heading) {
    QPainter painter(&printer);
    const QRect page(QPoint(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    const ChannelListingPages pages(db, heading, page, QFont(QStringLiteral("Sans Serif"), 9), &printer);
    for (int i = 0; i < pages.PageCount(); ++i) {
        if (i > 0)
            printer.newPage();
        pages.PaintPage(painter, i);
    }
}

QString ListingHeading(const std::string& path) {
    const QString name =
        path.empty() ? QStringLiteral("Untitled") : QFileInfo(QFile::decodeName(path.c_str())).fileName();
    return QStringLiteral("%1 - %2").arg(name, QDate::currentDate().toString(QStringLiteral("d MMMM yyyy")));
}

} // namespace vorlane::ui
