// The 80-pixel pictures of the daughter boards: a card outline in the colour of its
// connector family, the connector along its edge and the card's name.
#include "Picture.h"
#include "model/ConnectorType.h"
#include "model/DaughterBitmaps.h"
#include "model/DaughterCatalogue.h"

#include <QStringList>
#include <set>
#include <string>

using namespace pictures;

namespace {

enum class Connector { Gpio40, Gpio80, Hsmc, Kappel, Fmc, Moxen, Bbb };

// The connector a card plugs into; the few ids the catalogue leaves unassigned
// are named after theirs.
Connector ConnectorOf(const DaughterBitmapRow& row) {
    switch (BoardConnectorType(static_cast<int8_t>(row.id))) {
    case CONNECTOR_GPIO80:
        return Connector::Gpio80;
    case CONNECTOR_HSMC:
        return Connector::Hsmc;
    case CONNECTOR_KAPPEL:
        return Connector::Kappel;
    case CONNECTOR_FMC_HPC:
    case CONNECTOR_FMC_LPC:
        return Connector::Fmc;
    case CONNECTOR_MOXEN_2x6:
        return Connector::Moxen;
    case CONNECTOR_GPIO40:
        return Connector::Gpio40;
    default:
        return std::string(row.name).starts_with("BBB") ? Connector::Bbb : Connector::Gpio40;
    }
}

QColor CardColour(Connector c) {
    switch (c) {
    case Connector::Hsmc:
        return QColor(28, 84, 150);
    case Connector::Kappel:
        return QColor(98, 58, 140);
    case Connector::Fmc:
        return QColor(20, 110, 110);
    case Connector::Moxen:
        return QColor(170, 90, 20);
    case Connector::Bbb:
        return QColor(60, 60, 66);
    default:
        return QColor(30, 120, 60);
    }
}

// "HSMC_DEFAULT_XCVR_80_BITMAP" -> "HSMC DEFAULT XCVR"
QString Caption(const char* name) {
    QStringList words = QString::fromLatin1(name).split(QLatin1Char('_'), Qt::SkipEmptyParts);
    words.removeAll(QStringLiteral("BITMAP"));
    words.removeAll(QStringLiteral("80"));
    return words.join(QLatin1Char(' '));
}

void DrawConnector(QPainter& p, Connector c, int w, int h) {
    const QColor body(30, 30, 34);
    switch (c) {
    case Connector::Gpio40:
        Header(p, QRect(8, h - 14, w - 16, 9), 20, 2);
        break;
    case Connector::Gpio80:
        Header(p, QRect(6, h - 14, w / 2 - 9, 9), 10, 2);
        Header(p, QRect(w / 2 + 3, h - 14, w / 2 - 9, 9), 10, 2);
        break;
    case Connector::Hsmc:
    case Connector::Kappel: {
        const int len = c == Connector::Hsmc ? w - 14 : w - 30;
        const QRect r((w - len) / 2, h - 13, len, 8);
        p.setPen(QPen(body.lighter(200), 1));
        p.setBrush(body);
        p.drawRect(r);
        p.setPen(QPen(QColor(212, 175, 55), 1));
        for (int x = r.left() + 2; x < r.right() - 1; x += 2)
            p.drawLine(x, r.top() + 2, x, r.bottom() - 2);
        break;
    }
    case Connector::Fmc:
        Header(p, QRect(10, h - 17, w - 20, 12), 20, 4);
        break;
    case Connector::Moxen:
        Header(p, QRect(w - 26, h - 14, 20, 9), 6, 2);
        break;
    case Connector::Bbb:
        Header(p, QRect(6, 4, w - 12, 6), 23, 2);
        Header(p, QRect(6, h - 10, w - 12, 6), 23, 2);
        break;
    }
}

void DrawCard(QPainter& p, int w, int h, const DaughterBitmapRow& row) {
    const Connector c = ConnectorOf(row);
    const QColor fill = CardColour(c);
    p.setPen(QPen(fill.darker(170), 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(QRectF(1, 1, w - 2, h - 2), 5, 5);
    DrawConnector(p, c, w, h);
    const int top = c == Connector::Bbb ? 10 : 3;
    const int bottom = c == Connector::Bbb ? h - 11 : h - 18;
    Label(p, QRect(3, top, w - 6, bottom - top), Caption(row.name), 9, Qt::white, true,
          Qt::AlignCenter | Qt::TextWordWrap);
}

[[maybe_unused]] const bool registered = [] {
    std::set<std::string> drawn;
    for (const DaughterBitmapRow& row : kDaughterBitmaps) {
        if (!drawn.insert(row.name).second)
            continue; // ids sharing a picture
        Registry().push_back({"pinwright", row.name, 80, 60, Format::Png,
                              [row](QPainter& p, int w, int h) { DrawCard(p, w, h, row); }});
    }
    return true;
}();

} // namespace
