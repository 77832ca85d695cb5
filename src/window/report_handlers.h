#pragma once
// The report: the table of the current design written to a text file or
// printed on one page. It only reads the state and the controls, so it is
// given them read-only; the menu entries are bound by wireReport.

#include "output/report.h"
#include "window/window_parts.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace pc {

class ReportHandlers
{
public:
    ReportHandlers(Platform &p, const form::MainForm &f, const form::AboutForm &about,
                   const RunState &s)
        : p(p), f(f), about(about), s(s)
    {}

    void MenuPrintClick();
    void MenuPrintToFileClick();
    // Fills the report table and prints it (target "Printer") or writes it
    // to the text file the user chooses (any other target).
    void WriteReport(const QString &target);
    // The state the report reads.
    ReportInput reportInput() const;
    // The text file of a report table as "Print To File" writes it (the
    // about box's version, today's short date).
    QByteArray reportFileOf(const ReportTable &table) const;
    // The report file of the current design; nothing, with the message the
    // window would show in `error`, when the report stops.
    std::optional<QByteArray> reportFile(QString &error) const;

private:
    Platform &p;
    const form::MainForm &f;
    const form::AboutForm &about;
    const RunState &s;
};

void wireReport(form::MainForm &f, ReportHandlers &report);

} // namespace pc
