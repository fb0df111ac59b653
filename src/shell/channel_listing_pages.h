#pragma once
// The printed channel list: the TV and radio channels of each tuner with number, name, satellite, frequency,
// polarisation, symbol rate and program number, under a heading (file name and date) with page numbers.

#include "database/channel_database.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <vector>

class QPainter;
class QPaintDevice;
class QPrinter;

namespace vorlane::ui {

class ChannelListingPages {
public:
    // Lays the lines out on pages of `page` (device pixels) in `font` as measured on `device`.
    ChannelListingPages(const ChannelDatabase& db, const QString& heading, const QRect& page, const QFont& font,
                        QPaintDevice* device);

    int PageCount() const;
    void PaintPage(QPainter& painter, int page) const;

private:
    struct Line {
        bool section; // a section title; otherwise a row of cells (the column heads too)
        QStringList cells;
    };

    QString m_heading;
    QRect m_page;
    QFont m_font;
    int m_lineHeight;
    int m_linesPerPage;
    std::vector<Line> m_lines;
};

// Prints every page on the printer (the print preview paints through it too).
void PrintChannelListing(QPrinter& printer, const ChannelDatabase& db, const QString& heading);

// "channels.dat - 6 December 2026": the file name (or "Untitled") and today's date.
QString ListingHeading(const std::string& path);

} // namespace vorlane::ui
