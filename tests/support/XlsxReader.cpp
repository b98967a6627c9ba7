#include "tests/support/XlsxReader.h"

#include <QXmlStreamReader>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>

#include <gtest/gtest.h>

#include <map>

namespace corvane::test {

namespace {

QString attr(const QXmlStreamReader &x, const char *name)
{
    return x.attributes().value(QLatin1String(name)).toString();
}

bool flag(const QXmlStreamReader &x, const char *name)
{
    const QString v = attr(x, name);
    return v == QLatin1String("1") || v == QLatin1String("true");
}

QByteArray readPart(QuaZip &zip, const QString &name)
{
    if (!zip.setCurrentFile(name))
        return {};
    QuaZipFile f(&zip);
    if (!f.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot open part " << name.toStdString();
        return {};
    }
    return f.readAll();
}

QStringList readSharedStrings(const QByteArray &xml)
{
    QStringList out;
    QXmlStreamReader x(xml);
    QString current;
    bool inSi = false;
    while (!x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("si")) {
            inSi = true;
            current.clear();
        } else if (x.isStartElement() && x.name() == QLatin1String("t") && inSi) {
            current += x.readElementText();
        } else if (x.isEndElement() && x.name() == QLatin1String("si")) {
            out << current;
            inSi = false;
        }
    }
    return out;
}

XlsxBorderSide readSide(QXmlStreamReader &x)
{
    XlsxBorderSide side;
    side.style = attr(x, "style");
    const QString element = x.name().toString();
    while (!(x.isEndElement() && x.name() == element) && !x.atEnd()) {
        x.readNext();
        if (x.isStartElement() && x.name() == QLatin1String("color"))
            side.colour = attr(x, "rgb");
    }
    return side;
}

std::vector<XlsxStyle> readStyles(const QByteArray &xml)
{
    struct Font {
        double size = 11;
        QString name;
        bool bold = false, italic = false;
        QString colour;
    };
    struct Fill {
        QString pattern, fg, bg;
    };
    struct Border {
        XlsxBorderSide left, right, top, bottom, diagonal;
        bool up = false, down = false;
    };
    std::map<int, QString> numFmts;
    std::vector<Font> fonts;
    std::vector<Fill> fills;
    std::vector<Border> borders;
    std::vector<XlsxStyle> xfs;
    QXmlStreamReader x(xml);
    QString section;
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        const auto name = x.name();
        if (name == QLatin1String("numFmt")) {
            numFmts[attr(x, "numFmtId").toInt()] = attr(x, "formatCode");
        } else if (name == QLatin1String("fonts") || name == QLatin1String("fills") ||
                   name == QLatin1String("borders") || name == QLatin1String("cellXfs") ||
                   name == QLatin1String("cellStyleXfs") || name == QLatin1String("dxfs")) {
            section = name.toString();
        } else if (section == QLatin1String("fonts") && name == QLatin1String("font")) {
            Font f;
            while (!(x.isEndElement() && x.name() == QLatin1String("font")) && !x.atEnd()) {
                x.readNext();
                if (!x.isStartElement())
                    continue;
                if (x.name() == QLatin1String("sz"))
                    f.size = attr(x, "val").toDouble();
                else if (x.name() == QLatin1String("name"))
                    f.name = attr(x, "val");
                else if (x.name() == QLatin1String("b"))
                    f.bold = attr(x, "val") != QLatin1String("0");
                else if (x.name() == QLatin1String("i"))
                    f.italic = attr(x, "val") != QLatin1String("0");
                else if (x.name() == QLatin1String("color"))
                    f.colour = attr(x, "rgb");
            }
            fonts.push_back(f);
        } else if (section == QLatin1String("fills") && name == QLatin1String("fill")) {
            Fill f;
            while (!(x.isEndElement() && x.name() == QLatin1String("fill")) && !x.atEnd()) {
                x.readNext();
                if (!x.isStartElement())
                    continue;
                if (x.name() == QLatin1String("patternFill"))
                    f.pattern = attr(x, "patternType");
                else if (x.name() == QLatin1String("fgColor"))
                    f.fg = attr(x, "rgb");
                else if (x.name() == QLatin1String("bgColor"))
                    f.bg = attr(x, "rgb");
            }
            if (f.pattern == QLatin1String("none"))
                f.pattern.clear();
            fills.push_back(f);
        } else if (section == QLatin1String("borders") && name == QLatin1String("border")) {
            Border b;
            b.up = flag(x, "diagonalUp");
            b.down = flag(x, "diagonalDown");
            while (!(x.isEndElement() && x.name() == QLatin1String("border")) && !x.atEnd()) {
                x.readNext();
                if (!x.isStartElement())
                    continue;
                const QString side = x.name().toString();
                if (side == QLatin1String("left"))
                    b.left = readSide(x);
                else if (side == QLatin1String("right"))
                    b.right = readSide(x);
                else if (side == QLatin1String("top"))
                    b.top = readSide(x);
                else if (side == QLatin1String("bottom"))
                    b.bottom = readSide(x);
                else if (side == QLatin1String("diagonal"))
                    b.diagonal = readSide(x);
            }
            borders.push_back(b);
        } else if (section == QLatin1String("cellXfs") && name == QLatin1String("xf")) {
            XlsxStyle s;
            const int numFmtId = attr(x, "numFmtId").toInt();
            if (numFmtId != 0)
                s.numberFormat =
                    numFmts.count(numFmtId) ? numFmts[numFmtId] : QStringLiteral("builtin:%1").arg(numFmtId);
            const auto font = std::size_t(attr(x, "fontId").toInt());
            const auto fill = std::size_t(attr(x, "fillId").toInt());
            const auto border = std::size_t(attr(x, "borderId").toInt());
            if (font < fonts.size()) {
                s.fontSize = fonts[font].size;
                s.fontName = fonts[font].name;
                s.bold = fonts[font].bold;
                s.italic = fonts[font].italic;
                s.fontColour = fonts[font].colour;
            }
            if (fill < fills.size()) {
                s.pattern = fills[fill].pattern;
                s.fgColour = fills[fill].fg;
                s.bgColour = fills[fill].bg;
            }
            if (border < borders.size()) {
                const Border &b = borders[border];
                s.left = b.left;
                s.right = b.right;
                s.top = b.top;
                s.bottom = b.bottom;
                s.diagonal = b.diagonal;
                s.diagonalUp = b.up;
                s.diagonalDown = b.down;
            }
            while (!(x.isEndElement() && x.name() == QLatin1String("xf")) && !x.atEnd()) {
                x.readNext();
                if (x.isStartElement() && x.name() == QLatin1String("alignment")) {
                    s.hAlign = attr(x, "horizontal");
                    s.vAlign = attr(x, "vertical");
                    s.wrap = flag(x, "wrapText");
                }
            }
            xfs.push_back(s);
        }
    }
    if (x.hasError())
        ADD_FAILURE() << "styles.xml: " << x.errorString().toStdString();
    return xfs;
}

void readSheet(const QByteArray &xml, const QStringList &shared, XlsxSheet &sheet)
{
    QXmlStreamReader x(xml);
    while (!x.atEnd()) {
        x.readNext();
        if (!x.isStartElement())
            continue;
        const auto name = x.name();
        if (name == QLatin1String("sheetView")) {
            sheet.tabSelected = flag(x, "tabSelected");
        } else if (name == QLatin1String("selection")) {
            if (!attr(x, "activeCell").isEmpty())
                sheet.activeCell = attr(x, "activeCell");
        } else if (name == QLatin1String("col")) {
            for (int c = attr(x, "min").toInt(); c <= attr(x, "max").toInt(); ++c)
                sheet.columnWidths[c - 1] = attr(x, "width").toDouble();
        } else if (name == QLatin1String("row")) {
            if (!attr(x, "ht").isEmpty())
                sheet.rowHeights[attr(x, "r").toInt() - 1] = attr(x, "ht").toDouble();
        } else if (name == QLatin1String("c")) {
            XlsxCell cell;
            const QString ref = attr(x, "r");
            cell.type = attr(x, "t");
            if (cell.type.isEmpty())
                cell.type = QStringLiteral("n");
            cell.style = attr(x, "s").toInt();
            while (!(x.isEndElement() && x.name() == QLatin1String("c")) && !x.atEnd()) {
                x.readNext();
                if (x.isStartElement() && x.name() == QLatin1String("v")) {
                    const QString v = x.readElementText();
                    cell.hasValue = true;
                    if (cell.type == QLatin1String("s"))
                        cell.text = shared.value(v.toInt());
                    else if (cell.type == QLatin1String("str"))
                        cell.text = v;
                    else
                        cell.number = v.toDouble();
                } else if (x.isStartElement() && x.name() == QLatin1String("t")) {
                    cell.text += x.readElementText();
                    cell.hasValue = true;
                }
            }
            sheet.cells.insert(ref, cell);
        } else if (name == QLatin1String("mergeCell")) {
            sheet.merges << attr(x, "ref");
        } else if (name == QLatin1String("pageMargins")) {
            sheet.leftMargin = attr(x, "left").toDouble();
            sheet.rightMargin = attr(x, "right").toDouble();
            sheet.topMargin = attr(x, "top").toDouble();
            sheet.bottomMargin = attr(x, "bottom").toDouble();
        } else if (name == QLatin1String("printOptions")) {
            sheet.horizontalCentered = flag(x, "horizontalCentered");
            sheet.verticalCentered = flag(x, "verticalCentered");
        } else if (name == QLatin1String("pageSetUpPr")) {
            sheet.fitToPage = flag(x, "fitToPage");
        } else if (name == QLatin1String("pageSetup")) {
            sheet.orientation = attr(x, "orientation");
            if (!attr(x, "scale").isEmpty())
                sheet.scale = attr(x, "scale").toInt();
            if (!attr(x, "fitToWidth").isEmpty())
                sheet.fitToWidth = attr(x, "fitToWidth").toInt();
            if (!attr(x, "fitToHeight").isEmpty())
                sheet.fitToHeight = attr(x, "fitToHeight").toInt();
        } else if (name == QLatin1String("oddHeader")) {
            sheet.header = x.readElementText();
        } else if (name == QLatin1String("oddFooter")) {
            sheet.footer = x.readElementText();
        } else if (name == QLatin1String("legacyDrawingHF")) {
            sheet.headerFooterPicture = true;
        }
    }
    if (x.hasError())
        ADD_FAILURE() << sheet.part.toStdString() << ": " << x.errorString().toStdString();
}

} // namespace

const XlsxCell &XlsxSheet::cell(const QString &ref) const
{
    static const XlsxCell none;
    const auto it = cells.find(ref);
    return it == cells.end() ? none : *it;
}

QStringList XlsxBook::sheetNames() const
{
    QStringList out;
    for (const auto &s : sheets)
        out << s.name;
    return out;
}

const XlsxSheet &XlsxBook::sheet(const QString &name) const
{
    for (const auto &s : sheets) {
        if (s.name == name)
            return s;
    }
    ADD_FAILURE() << "no sheet " << name.toStdString();
    static const XlsxSheet none;
    return none;
}

XlsxBook readXlsx(const QString &path)
{
    XlsxBook book;
    QuaZip zip(path);
    if (!zip.open(QuaZip::mdUnzip)) {
        ADD_FAILURE() << "not a zip package: " << path.toStdString();
        return book;
    }
    book.parts = zip.getFileNameList();

    // Sheet parts by relationship id.
    std::map<QString, QString> targets;
    {
        QXmlStreamReader x(readPart(zip, QStringLiteral("xl/_rels/workbook.xml.rels")));
        while (!x.atEnd()) {
            x.readNext();
            if (x.isStartElement() && x.name() == QLatin1String("Relationship"))
                targets[attr(x, "Id")] = QStringLiteral("xl/") + attr(x, "Target");
        }
    }
    {
        QXmlStreamReader x(readPart(zip, QStringLiteral("xl/workbook.xml")));
        while (!x.atEnd()) {
            x.readNext();
            if (!x.isStartElement())
                continue;
            if (x.name() == QLatin1String("workbookView")) {
                book.activeTab = attr(x, "activeTab").toInt();
                if (!attr(x, "tabRatio").isEmpty())
                    book.tabRatio = attr(x, "tabRatio").toInt();
            } else if (x.name() == QLatin1String("sheet")) {
                XlsxSheet s;
                s.name = attr(x, "name");
                s.part = targets[x.attributes().value(QLatin1String("r:id")).toString()];
                book.sheets.push_back(s);
            }
        }
        if (x.hasError())
            ADD_FAILURE() << "workbook.xml: " << x.errorString().toStdString();
    }
    const QStringList shared = readSharedStrings(readPart(zip, QStringLiteral("xl/sharedStrings.xml")));
    book.styles = readStyles(readPart(zip, QStringLiteral("xl/styles.xml")));
    for (auto &s : book.sheets)
        readSheet(readPart(zip, s.part), shared, s);
    return book;
}

QStringList headerSections(const QString &codes)
{
    QStringList out{QString(), QString(), QString()};
    int current = -1;
    for (qsizetype i = 0; i < codes.size(); ++i) {
        if (codes[i] == u'&' && i + 1 < codes.size()) {
            const QChar n = codes[i + 1];
            const int section = n == u'L' ? 0 : n == u'C' ? 1 : n == u'R' ? 2 : -1;
            if (section >= 0) {
                current = section;
                ++i;
                continue;
            }
            if (current >= 0)
                out[current] += codes.mid(i, 2);
            ++i;
            continue;
        }
        if (current >= 0)
            out[current] += codes[i];
    }
    return out;
}

} // namespace corvane::test
