#pragma once
// The slip's report template as the placement's canvas: the template found for a
// name (or the built-in report), its background picture, the paper of its
// "Page1", and the calibrated objects the geometry is read from.
#include <QString>
#include <functional>
#include <optional>
#include <vector>

#include "platform/report/report.h"
#include "printing/slip_layout.h"
#include "printing/slip_settings.h"

namespace kw {

class SlipReport : public SlipCanvas {
public:
    SlipReport();

    Report& report() { return m_report; }
    const Report& report() const { return m_report; }
    // The file loaded; empty for the built-in report.
    const QString& templatePath() const { return m_templatePath; }
    // The page the preview shows and the paper values belong to; nullptr without one.
    const ReportPage* shownPage() const;
    // That page as last prepared, which the preview shows and printing prints.
    const ReportPage* preparedPage() const;

    // Looks up the template and the picture and loads them, then prepares. A template
    // that cannot be read leaves the built-in report; a picture that cannot be read
    // leaves the page without one. The message names the file and what is wrong
    // (empty when all went well).
    QString load(const QString& templateName, const QString& picture, const QString& programFolder);

    // The objects of the calibration; nullopt with the name of the first one missing.
    std::optional<SlipCalibration> calibration(QString* missing);

    // The paper values present in settings onto "Page1", and back.
    void applyPaper(const SlipSettings& settings);
    void storePaper(SlipSettings& settings) const;

    // Called by refresh() after preparing (the preview redraws) and by print().
    std::function<void()> onRefresh;
    std::function<void()> onPrint;

    bool hasObject(const QString& name) const override;
    void clearText(const QString& name) override;
    void hide(const QString& name) override;
    void place(const QString& name, double left, double top, const QString& text,
               int fontSize) override;
    void refresh() override;
    void print() override;

private:
    mutable Report m_report;
    QString m_templatePath;
};

// The companion's printout: every tip of numberLines placed on the report slip by
// slip, without questions, each slip as the report's prepared pages. nullopt when
// placing stopped (its message went to dialogs).
std::optional<std::vector<ReportPage>> allSlipPages(SlipReport& slip,
                                                    const QStringList& numberLines,
                                                    SlipPlacing placing, Dialogs& dialogs);

}  // namespace kw
