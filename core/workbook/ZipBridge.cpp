// libxlsxwriter zips the workbook with the system's minizip, and QuaZip
// exports its own, modified minizip under the same function names. In one
// process the first library loaded wins for both, and QuaZip comes first:
// libxlsxwriter's zipOpen(path) would reach QuaZip's zipOpen(QIODevice *)
// and crash. The one function that differs is defined here, in the program,
// which the dynamic linker searches before any library: it opens the path as
// a QFile and hands it to QuaZip's minizip, whose other functions
// libxlsxwriter then uses consistently. QuaZip itself never calls zipOpen.
//
// No QuaZip header here: they declare zipOpen with the QIODevice signature.

#include "core/workbook/WorkbookStore.h"

#include <QFile>

#include <memory>
#include <vector>

namespace {

thread_local std::vector<std::unique_ptr<QFile>> zipTargets;
constexpr unsigned ZipAutoClose = 0x1u; // QuaZip's ZIP_AUTO_CLOSE: zipClose closes the file

} // namespace

extern "C" {

// QuaZip's minizip.
void *zipOpen3(void *device, int append, const char **globalComment, void *fileFunctions, unsigned flags);

__attribute__((visibility("default"))) void *zipOpen(const char *pathname, int append)
{
    auto file = std::make_unique<QFile>(QFile::decodeName(pathname));
    void *zip = zipOpen3(file.get(), append, nullptr, nullptr, ZipAutoClose);
    if (zip)
        zipTargets.push_back(std::move(file));
    return zip;
}

} // extern "C"

namespace corvane::core::workbook::detail {

void releaseZipTargets()
{
    zipTargets.clear();
}

} // namespace corvane::core::workbook::detail
