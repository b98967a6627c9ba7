// Writing a workbook: the in-memory sheets go through libxlsxwriter into a
// temporary file beside the target, which then replaces the target in one
// rename.

#include "core/workbook/Workbook.h"

#include "core/workbook/WorkbookStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QTemporaryFile>

#include <quazip/quazip.h>
#include <quazip/quazipfile.h>
#include <quazip/quazipnewinfo.h>
#include <xlsxwriter.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace corvane::core::workbook {

using detail::CellData;
using detail::Format;
using detail::Kind;

namespace {

lxw_color_t lxwColour(std::uint8_t paletteIndex)
{
    const auto rgb = paletteRgb(paletteIndex);
    if (!rgb)
        return LXW_COLOR_UNSET;
    // libxlsxwriter reads 0 as "unset" and has its own value for black.
    return *rgb == 0 ? lxw_color_t(LXW_COLOR_BLACK) : lxw_color_t(*rgb);
}

std::uint8_t lxwHAlign(std::uint8_t a)
{
    switch (HAlign(a)) {
    case HAlign::General:
        return LXW_ALIGN_NONE;
    case HAlign::Left:
        return LXW_ALIGN_LEFT;
    case HAlign::Centre:
        return LXW_ALIGN_CENTER;
    case HAlign::Right:
        return LXW_ALIGN_RIGHT;
    case HAlign::Fill:
        return LXW_ALIGN_FILL;
    case HAlign::Justify:
        return LXW_ALIGN_JUSTIFY;
    case HAlign::CentreAcross:
        return LXW_ALIGN_CENTER_ACROSS;
    case HAlign::Distributed:
        return LXW_ALIGN_DISTRIBUTED;
    }
    return LXW_ALIGN_NONE;
}

std::uint8_t lxwVAlign(std::uint8_t a)
{
    switch (VAlign(a)) {
    case VAlign::Bottom:
        return LXW_ALIGN_NONE; // the default
    case VAlign::Top:
        return LXW_ALIGN_VERTICAL_TOP;
    case VAlign::Centre:
        return LXW_ALIGN_VERTICAL_CENTER;
    case VAlign::Justify:
        return LXW_ALIGN_VERTICAL_JUSTIFY;
    case VAlign::Distributed:
        return LXW_ALIGN_VERTICAL_DISTRIBUTED;
    }
    return LXW_ALIGN_NONE;
}

// Translates one section of a header or footer into the file's codes: the
// bracketed names become letters, a picture code stays only when the section
// has a picture (once), and section switches are taken as literal text since
// the sections are composed here.
QString headerSection(const QString &text, bool hasPicture, bool *usesPicture)
{
    static const std::pair<const char *, char> Named[] = {
        {"&[Page]", 'P'}, {"&[Pages]", 'N'}, {"&[Date]", 'D'}, {"&[Time]", 'T'},
        {"&[File]", 'F'}, {"&[Path]", 'Z'},  {"&[Tab]", 'A'},  {"&[Picture]", 'G'},
    };
    QString out;
    bool picture = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            out += text[i];
            continue;
        }
        if (i + 1 >= text.size()) {
            out += QStringLiteral("&&"); // a lone trailing "&" is meant literally
            break;
        }
        QChar code = text[i + 1];
        qsizetype length = 2;
        for (const auto &[name, letter] : Named) {
            const QLatin1String n(name);
            if (text.mid(i, n.size()).compare(n, Qt::CaseInsensitive) == 0) {
                code = QLatin1Char(letter);
                length = n.size();
                break;
            }
        }
        const QChar upper = code.toUpper();
        if (upper == u'G') {
            if (hasPicture && !picture)
                out += QStringLiteral("&G");
            picture = hasPicture;
        } else if (upper == u'L' || upper == u'C' || upper == u'R') {
            out += QStringLiteral("&&");
            length = 1;
        } else {
            out += u'&';
            out += code;
        }
        i += length - 1;
    }
    *usesPicture = picture;
    return out;
}

struct ComposedHeader {
    QByteArray text;
    QByteArray pictures[3];
    lxw_header_footer_options options{};
};

ComposedHeader composeHeader(const HeaderFooter &hf, double margin)
{
    ComposedHeader h;
    const QString *sections[3] = {&hf.left, &hf.centre, &hf.right};
    const QString *pictures[3] = {&hf.leftPicture, &hf.centrePicture, &hf.rightPicture};
    static const char *Codes[3] = {"&L", "&C", "&R"};
    QString composed;
    for (int i = 0; i < 3; ++i) {
        if (sections[i]->isEmpty())
            continue;
        bool used = false;
        const QString s = headerSection(*sections[i], !pictures[i]->isEmpty(), &used);
        composed += QLatin1String(Codes[i]) + s;
        if (used)
            h.pictures[i] = QFile::encodeName(*pictures[i]);
    }
    // The library refuses more than 255 bytes; keep the start, never ending
    // on half a code.
    h.text = composed.toUtf8();
    while (h.text.size() > LXW_HEADER_FOOTER_MAX) {
        composed.chop(composed.back().isLowSurrogate() && composed.size() > 1 ? 2 : 1);
        qsizetype amps = 0;
        while (amps < composed.size() && composed[composed.size() - 1 - amps] == u'&')
            ++amps;
        if (amps % 2)
            composed.chop(1);
        h.text = composed.toUtf8();
    }
    h.options.margin = margin;
    char **images[3] = {&h.options.image_left, &h.options.image_center, &h.options.image_right};
    for (int i = 0; i < 3; ++i)
        *images[i] = h.pictures[i].isEmpty() ? nullptr : h.pictures[i].data();
    return h;
}

QString lxwReason(lxw_error err)
{
    switch (err) {
    case LXW_ERROR_MEMORY_MALLOC_FAILED:
        return QStringLiteral("mémoire insuffisante.");
    case LXW_ERROR_CREATING_XLSX_FILE:
        return QStringLiteral("le fichier ne peut pas être créé (dossier protégé en écriture ?).");
    case LXW_ERROR_CREATING_TMPFILE:
    case LXW_ERROR_READING_TMPFILE:
        return QStringLiteral("les fichiers temporaires ne peuvent pas être écrits (disque plein ?).");
    case LXW_ERROR_ZIP_FILE_OPERATION:
    case LXW_ERROR_ZIP_PARAMETER_ERROR:
    case LXW_ERROR_ZIP_BAD_ZIP_FILE:
    case LXW_ERROR_ZIP_INTERNAL_ERROR:
    case LXW_ERROR_ZIP_FILE_ADD:
    case LXW_ERROR_ZIP_CLOSE:
        return QStringLiteral("erreur d'écriture sur le disque (disque plein ?).");
    case LXW_ERROR_IMAGE_DIMENSIONS:
        return QStringLiteral("une image d'en-tête ou de pied de page est illisible.");
    default:
        return QStringLiteral("erreur interne d'écriture du classeur (%1).")
            .arg(QString::fromUtf8(lxw_strerror(err)));
    }
}

QString osReason(int err)
{
    switch (err) {
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("le disque est plein.");
    case EACCES:
    case EPERM:
    case EROFS:
        return QStringLiteral("le fichier ou son dossier est protégé en écriture.");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("le fichier est utilisé par un autre programme.");
    case EISDIR:
        return QStringLiteral("un dossier porte déjà ce nom.");
    default:
        return QString::fromLocal8Bit(std::strerror(err)) + QLatin1Char('.');
    }
}

// Adds the tab ratio to the workbook's window description. libxlsxwriter has
// no setting for it, so the finished package is copied with its parts left
// compressed as they are, except the small workbook part.
QString copyWithTabRatio(const QString &source, const QString &target, int ratioPerThousand)
{
    QuaZip in(source);
    if (!in.open(QuaZip::mdUnzip))
        return QStringLiteral("le classeur écrit ne peut pas être relu.");
    QuaZip out(target);
    if (!out.open(QuaZip::mdCreate))
        return QStringLiteral("le fichier ne peut pas être créé (dossier protégé en écriture ?).");
    for (bool more = in.goToFirstFile(); more; more = in.goToNextFile()) {
        QuaZipFileInfo64 info;
        if (!in.getCurrentFileInfo(&info))
            return QStringLiteral("le classeur écrit ne peut pas être relu.");
        QuaZipFile src(&in);
        QuaZipNewInfo newInfo(info.name);
        newInfo.dateTime = info.dateTime;
        newInfo.externalAttr = info.externalAttr;
        newInfo.internalAttr = info.internalAttr;
        QuaZipFile dst(&out);
        bool written = false;
        if (info.name == QLatin1String("xl/workbook.xml")) {
            if (!src.open(QIODevice::ReadOnly))
                return QStringLiteral("le classeur écrit ne peut pas être relu.");
            QByteArray xml = src.readAll();
            src.close();
            const QByteArray view = "<workbookView ";
            const qsizetype at = xml.indexOf(view);
            if (at >= 0)
                xml.insert(at + view.size(), "tabRatio=\"" + QByteArray::number(ratioPerThousand) + "\" ");
            written = dst.open(QIODevice::WriteOnly, newInfo, nullptr, 0, Z_DEFLATED, 6) &&
                      dst.write(xml) == xml.size();
        } else {
            int method = 0;
            int level = 0;
            if (!src.open(QIODevice::ReadOnly, &method, &level, true))
                return QStringLiteral("le classeur écrit ne peut pas être relu.");
            const QByteArray raw = src.readAll();
            src.close();
            newInfo.uncompressedSize = ulong(info.uncompressedSize);
            written = dst.open(QIODevice::WriteOnly, newInfo, nullptr, info.crc, method, level, true) &&
                      dst.write(raw) == raw.size();
        }
        dst.close();
        if (!written || dst.getZipError() != ZIP_OK)
            return QStringLiteral("erreur d'écriture sur le disque (disque plein ?).");
    }
    if (in.getZipError() != UNZ_OK)
        return QStringLiteral("le classeur écrit ne peut pas être relu.");
    in.close();
    out.close();
    if (out.getZipError() != ZIP_OK)
        return QStringLiteral("erreur d'écriture sur le disque (disque plein ?).");
    return {};
}

// Pushes a finished file to the disk before it replaces the previous one, so
// that a full disk is noticed now rather than as a truncated workbook later.
int syncFile(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    const int rc = ::fsync(fd);
    const int err = rc == 0 ? 0 : errno;
    ::close(fd);
    return err;
}

} // namespace

// Emits the in-memory workbook through libxlsxwriter. Rows go out strictly in
// order, so the library runs in its constant-memory mode and the cells are
// held only once, here.
struct WorkbookEmitter {
    const Workbook &book;
    lxw_workbook *lxw = nullptr;
    std::vector<lxw_format *> formats;
    std::vector<lxw_worksheet *> sheets;
    lxw_format *plain = nullptr;
    QString reason;
    bool abandoned = false; // the library's state is unsafe to close

    explicit WorkbookEmitter(const Workbook &b)
        : book(b)
        , formats(b.formats_->formats.size(), nullptr)
    {}

    lxw_format *format(std::uint32_t id)
    {
        if (id == 0)
            return nullptr;
        if (formats[id])
            return formats[id];
        const Format &f = book.formats_->formats[id];
        lxw_format *x = workbook_add_format(lxw);
        if (f.fontSize)
            format_set_font_size(x, f.fontSize / 10.0);
        if (f.fontName)
            format_set_font_name(x, book.formats_->fontNames[f.fontName].toUtf8().constData());
        if (f.bold)
            format_set_bold(x);
        if (f.italic)
            format_set_italic(x);
        if (f.fontColour)
            format_set_font_color(x, lxwColour(f.fontColour));
        if (f.numberFormat)
            format_set_num_format(x, book.formats_->numberFormats[f.numberFormat].toUtf8().constData());
        if (f.hAlign)
            format_set_align(x, lxwHAlign(f.hAlign));
        if (f.vAlign)
            format_set_align(x, lxwVAlign(f.vAlign));
        if (f.wrap)
            format_set_text_wrap(x);
        // A colour without a pattern is a solid fill, as when the spreadsheet
        // program is given only an interior colour.
        std::uint8_t pattern = f.pattern;
        if (pattern == Format::PatternUnset)
            pattern = f.fillColour ? std::uint8_t(Pattern::Solid) : std::uint8_t(Pattern::None);
        if (pattern != std::uint8_t(Pattern::None)) {
            format_set_pattern(x, pattern);
            if (f.fillColour)
                format_set_bg_color(x, lxwColour(f.fillColour));
            if (f.patternColour && pattern != std::uint8_t(Pattern::Solid))
                format_set_fg_color(x, lxwColour(f.patternColour));
        }
        using SetStyle = void (*)(lxw_format *, std::uint8_t);
        using SetColour = void (*)(lxw_format *, lxw_color_t);
        static const SetStyle Styles[4] = {format_set_left, format_set_top, format_set_bottom,
                                           format_set_right};
        static const SetColour Colours[4] = {format_set_left_color, format_set_top_color,
                                             format_set_bottom_color, format_set_right_color};
        for (int side = 0; side < 4; ++side) {
            if (!f.border[side])
                continue;
            Styles[side](x, f.border[side]);
            if (f.borderColour[side])
                Colours[side](x, lxwColour(f.borderColour[side]));
        }
        if (f.diagonal && f.border[Format::Diagonal]) {
            format_set_diag_type(
                x, f.diagonal == 3 ? LXW_DIAGONAL_BORDER_UP_DOWN
                                   : (f.diagonal == 1 ? LXW_DIAGONAL_BORDER_UP : LXW_DIAGONAL_BORDER_DOWN));
            format_set_diag_border(x, f.border[Format::Diagonal]);
            if (f.borderColour[Format::Diagonal])
                format_set_diag_color(x, lxwColour(f.borderColour[Format::Diagonal]));
        }
        formats[id] = x;
        return x;
    }

    lxw_format *plainFormat()
    {
        if (!plain)
            plain = workbook_add_format(lxw);
        return plain;
    }

    bool fail(lxw_error err)
    {
        reason = lxwReason(err);
        return false;
    }

    bool pageSetup(lxw_worksheet *ws, const PageSetup &p)
    {
        worksheet_set_margins(ws, p.leftMargin, p.rightMargin, p.topMargin, p.bottomMargin);
        if (p.orientation == Orientation::Landscape)
            worksheet_set_landscape(ws);
        if (p.centreHorizontally)
            worksheet_center_horizontally(ws);
        if (p.centreVertically)
            worksheet_center_vertically(ws);
        if (p.fitToPages)
            worksheet_fit_to_pages(ws, std::uint16_t(std::max(0, p.fitPagesWide)),
                                   std::uint16_t(std::max(0, p.fitPagesTall)));
        else if (p.zoom != 100)
            worksheet_set_print_scale(ws, std::uint16_t(std::clamp(p.zoom, 10, 400)));
        const struct {
            const HeaderFooter *hf;
            double margin;
            lxw_error (*set)(lxw_worksheet *, const char *, lxw_header_footer_options *);
        } parts[2] = {{&p.header, p.headerMargin, worksheet_set_header_opt},
                      {&p.footer, p.footerMargin, worksheet_set_footer_opt}};
        for (const auto &part : parts) {
            if (part.hf->isEmpty())
                continue;
            ComposedHeader h = composeHeader(*part.hf, part.margin > 0 ? part.margin : 0.3);
            // The library leaves dangling memory behind when it refuses a
            // header, and crashes when the workbook is closed: everything it
            // could refuse is checked here first.
            for (const QByteArray &picture : h.pictures) {
                if (picture.isEmpty())
                    continue;
                const QString file = QFile::decodeName(picture);
                if (!QFileInfo::exists(file)) {
                    reason =
                        QStringLiteral("l'image d'en-tête ou de pied de page %1 est introuvable.").arg(file);
                    return false;
                }
                static const QList<QByteArray> Readable{"png", "jpeg", "bmp", "gif"};
                if (!Readable.contains(QImageReader::imageFormat(file))) {
                    reason =
                        QStringLiteral("l'image d'en-tête ou de pied de page %1 est illisible.").arg(file);
                    return false;
                }
            }
            if (const lxw_error err = part.set(ws, h.text.constData(), &h.options)) {
                reason = lxwReason(err);
                abandoned = true;
                return false;
            }
        }
        return true;
    }

    bool sheet(const Sheet &s)
    {
        const detail::SheetStore &st = *s.store_;
        lxw_worksheet *ws = workbook_add_worksheet(lxw, s.name().toUtf8().constData());
        if (!ws) {
            reason = QStringLiteral("la feuille « %1 » ne peut pas être créée.").arg(s.name());
            return false;
        }
        sheets.push_back(ws);
        // Merged ranges first: in constant-memory mode the library accepts a
        // range only while its last row is not yet written.
        for (const Area &m : st.merges) {
            if (const lxw_error err =
                    worksheet_merge_range(ws, lxw_row_t(m.first.row), lxw_col_t(m.first.column),
                                          lxw_row_t(m.last.row), lxw_col_t(m.last.column), nullptr, nullptr))
                return fail(err);
        }
        for (std::size_t c = 0; c < st.columnWidths.size();) {
            std::size_t end = c;
            while (end + 1 < st.columnWidths.size() && st.columnWidths[end + 1] == st.columnWidths[c])
                ++end;
            if (st.columnWidths[c] > 0)
                worksheet_set_column(ws, lxw_col_t(c), lxw_col_t(end), st.columnWidths[c], nullptr);
            c = end + 1;
        }
        if (!pageSetup(ws, st.page))
            return false;
        if (st.selection.row || st.selection.column)
            worksheet_set_selection(ws, lxw_row_t(st.selection.row), lxw_col_t(st.selection.column),
                                    lxw_row_t(st.selection.row), lxw_col_t(st.selection.column));

        const std::size_t rowCount = std::max(st.rows.size(), st.rowHeights.size());
        for (std::size_t r = 0; r < rowCount; ++r) {
            const auto row = lxw_row_t(r);
            const bool hasCells = r < st.rows.size() && !st.rows[r].empty();
            // In constant-memory mode the library drops the height of a row
            // without cells unless the row also has a format: give it the
            // default look.
            if (r < st.rowHeights.size() && st.rowHeights[r] > 0) {
                // The library writes no height equal to its default, which
                // leaves the row free to shrink to a small font; a height set
                // on purpose must stay, so the default is nudged by 1/128
                // point (written exactly; the spreadsheet keeps twentieths).
                double height = st.rowHeights[r];
                if (height == LXW_DEF_ROW_HEIGHT)
                    height += 1.0 / 128;
                worksheet_set_row(ws, row, height, hasCells ? nullptr : plainFormat());
            }
            if (!hasCells)
                continue;
            const auto &cells = st.rows[r];
            for (std::size_t c = 0; c < cells.size(); ++c) {
                const CellData &cell = cells[c];
                const auto col = lxw_col_t(c);
                lxw_error err = LXW_NO_ERROR;
                switch (cell.kind) {
                case Kind::Empty:
                    if (cell.format)
                        err = worksheet_write_blank(ws, row, col, format(cell.format));
                    break;
                case Kind::Text:
                    err = worksheet_write_string(ws, row, col, st.text(cell.text), format(cell.format));
                    break;
                case Kind::Number:
                case Kind::Date:
                    err = worksheet_write_number(ws, row, col, cell.number, format(cell.format));
                    break;
                }
                if (err)
                    return fail(err);
            }
        }
        return true;
    }

    // Writes the whole workbook to `path`; false with `reason` set on failure.
    bool write(const QString &path)
    {
        const QByteArray file = QFile::encodeName(path);
        lxw_workbook_options options{};
        options.constant_memory = LXW_TRUE;
        lxw = workbook_new_opt(file.constData(), &options);
        if (!lxw)
            return fail(LXW_ERROR_MEMORY_MALLOC_FAILED);
        bool ok = true;
        for (int i = 0; ok && i < book.sheetCount(); ++i)
            ok = sheet(book.sheet(i));
        if (ok && book.sheetCount() == 0)
            ok = workbook_add_worksheet(lxw, nullptr) != nullptr; // a workbook holds at least one sheet
        if (ok && book.active_ > 0 && book.active_ < book.sheetCount())
            worksheet_activate(sheets[std::size_t(book.active_)]);
        if (abandoned) {
            // Closing would free memory twice; leaking this one workbook is
            // the lesser harm.
            lxw = nullptr;
            detail::releaseZipTargets();
            return false;
        }
        // Closing writes the file and frees the library's objects, also after a failure.
        const lxw_error err = workbook_close(lxw);
        lxw = nullptr;
        detail::releaseZipTargets();
        if (ok && err)
            return fail(err);
        return ok;
    }
};

SaveResult Workbook::save(const QString &path) const
{
    const QFileInfo target(path);
    const QString shown = QDir::toNativeSeparators(target.absoluteFilePath());
    auto failed = [&](const QString &reason) {
        return SaveResult{
            QStringLiteral("Le fichier %1 n'a pas pu être enregistré :\r%2").arg(shown, reason)};
    };
    const QString folder = target.absolutePath();
    if (!QFileInfo(folder).isDir())
        return failed(QStringLiteral("le dossier %1 n'existe pas.").arg(QDir::toNativeSeparators(folder)));
    if (target.isDir())
        return failed(QStringLiteral("un dossier porte déjà ce nom."));
    if (target.exists() && !target.isWritable())
        return failed(QStringLiteral("le fichier est protégé en écriture."));

    // The temporary files live in the target's folder so that the final
    // rename stays on one file system and cannot leave half a file.
    const QString pattern =
        QDir(folder).filePath(QLatin1Char('.') + target.fileName() + QStringLiteral(".XXXXXX"));
    QTemporaryFile written(pattern);
    if (!written.open())
        return failed(
            QStringLiteral("impossible d'écrire dans le dossier %1 (protégé en écriture ou disque plein).")
                .arg(QDir::toNativeSeparators(folder)));
    written.close();

    WorkbookEmitter emitter(*this);
    if (!emitter.write(written.fileName()))
        return failed(emitter.reason);

    QString finalName = written.fileName();
    QTemporaryFile adjusted(pattern);
    if (std::abs(tabRatio_ - 0.6) > 0.0005) {
        if (!adjusted.open())
            return failed(QStringLiteral(
                              "impossible d'écrire dans le dossier %1 (protégé en écriture ou disque plein).")
                              .arg(QDir::toNativeSeparators(folder)));
        adjusted.close();
        const QString reason =
            copyWithTabRatio(written.fileName(), adjusted.fileName(), int(std::lround(tabRatio_ * 1000)));
        if (!reason.isEmpty())
            return failed(reason);
        finalName = adjusted.fileName();
    }

    if (const int err = syncFile(finalName))
        return failed(osReason(err));
    // A replaced workbook keeps its permissions; a new one is readable by all,
    // like any file the user saves.
    QFile::setPermissions(finalName, target.exists() ? QFile::permissions(path)
                                                     : QFile::ReadOwner | QFile::WriteOwner |
                                                           QFile::ReadGroup | QFile::ReadOther);
    if (std::rename(QFile::encodeName(finalName).constData(), QFile::encodeName(path).constData()) != 0)
        return failed(osReason(errno));
    (finalName == written.fileName() ? written : adjusted).setAutoRemove(false);
    return {};
}

} // namespace corvane::core::workbook
