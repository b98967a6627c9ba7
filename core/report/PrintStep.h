#pragma once

#include "data/Parametres.h"

class QWidget;

namespace corvane::core::report {

class Report;

// The one way every report is printed: the shared labels take their texts
// from the settings, then the report goes to the preview window when the
// preview switch is on, else to the printer as `nombre` separate jobs.
// Returns once the report is laid out (and printed, without the preview);
// the caller may destroy the report then.
void printReport(Report &report, const data::Parametres &p = data::parametres(), QWidget *parent = nullptr);

} // namespace corvane::core::report
