#include "printing/slip_report.h"

#include "platform/dialogs.h"
#include "tips/integer_text.h"

namespace kw {

namespace {

const QString kPageName = QStringLiteral("Page1");

// Says Yes to every question and passes the rest on.
class AnsweringYes : public Dialogs {
public:
    explicit AnsweringYes(Dialogs& other) : m_other(other) {}
    bool askYesNo(const QString&, const QString&) override { return true; }
    void notify(const QString& text, const QString& caption) override
    {
        m_other.notify(text, caption);
    }
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& defaultText) override
    {
        return m_other.inputText(title, prompt, defaultText);
    }
    QString openFileName(const FileDialogRequest& request) override
    {
        return m_other.openFileName(request);
    }
    QString saveFileName(const FileDialogRequest& request) override
    {
        return m_other.saveFileName(request);
    }
    void setBusy(bool busy) override { m_other.setBusy(busy); }

private:
    Dialogs& m_other;
};

}  // namespace

SlipReport::SlipReport() : m_report(builtInReport())
{
    m_report.prepare();
}

const ReportPage* SlipReport::shownPage() const
{
    if (const ReportPage* page = m_report.page(kPageName)) return page;
    return m_report.pages().empty() ? nullptr : &m_report.pages().front();
}

const ReportPage* SlipReport::preparedPage() const
{
    const std::vector<ReportPage>& pages = m_report.preparedPages();
    for (const ReportPage& page : pages)
        if (page.name.compare(kPageName, Qt::CaseInsensitive) == 0) return &page;
    return pages.empty() ? nullptr : &pages.front();
}

QString SlipReport::load(const QString& templateName, const QString& picture,
                         const QString& programFolder)
{
    QStringList problems;
    m_templatePath = slipTemplatePath(templateName, programFolder);
    QString error;
    if (m_templatePath.isEmpty() || !m_report.load(m_templatePath, &error)) {
        if (!m_templatePath.isEmpty()) problems << error;
        m_report = builtInReport();
        m_templatePath.clear();
    }
    const QString picturePath = slipPicturePath(picture, programFolder);
    if (ReportPage* page = m_report.page(kPageName); page && !picturePath.isEmpty()) {
        if (!page->setBackground(picturePath, &error)) problems << error;
    }
    m_report.prepare();
    return problems.join(QLatin1Char('\n'));
}

std::optional<SlipCalibration> SlipReport::calibration(QString* missing)
{
    std::vector<SlipPoint> points;
    for (const QString& name : calibrationObjectNames()) {
        const ReportText* text = m_report.text(name);
        if (!text) {
            if (missing) *missing = name;
            return std::nullopt;
        }
        points.push_back({text->left, text->top});
    }
    return SlipCalibration{points[0], points[1], points[2], points[3], points[4]};
}

void SlipReport::applyPaper(const SlipSettings& settings)
{
    ReportPage* page = m_report.page(kPageName);
    if (!page) return;
    if (settings.paperSize) {
        if (const auto code = parseInteger(settings.paperSize->trimmed()))
            page->setPaperSize(*code);
    }
    if (settings.paperOrientation) {
        page->setOrientation(*settings.paperOrientation == 1 ? QPageLayout::Portrait
                                                             : QPageLayout::Landscape);
    }
    // Paper of no size or beyond any printer's would leave nothing to see.
    const auto millimetres = [](const std::optional<QString>& text, double& target) {
        if (!text) return;
        const auto value = parseDecimal(*text);
        if (value && *value >= 1 && *value <= 10000) target = *value;
    };
    millimetres(settings.paperHeight, page->paperHeight);
    millimetres(settings.paperWidth, page->paperWidth);
}

void SlipReport::storePaper(SlipSettings& settings) const
{
    const ReportPage* page = m_report.page(kPageName);
    if (!page) return;
    settings.paperSize = QString::number(page->paperSize);
    settings.paperHeight = decimalText(page->paperHeight);
    settings.paperWidth = decimalText(page->paperWidth);
    settings.paperOrientation = page->orientation == QPageLayout::Portrait ? 1 : 2;
}

bool SlipReport::hasObject(const QString& name) const
{
    return m_report.text(name) != nullptr;
}

void SlipReport::clearText(const QString& name)
{
    if (ReportText* text = m_report.text(name)) text->text.clear();
}

void SlipReport::hide(const QString& name)
{
    if (ReportText* text = m_report.text(name)) {
        text->visible = false;
        text->text.clear();
    }
}

void SlipReport::place(const QString& name, double left, double top, const QString& text,
                       int fontSize)
{
    ReportText* object = m_report.text(name);
    if (!object) return;
    object->left = left;
    object->top = top;
    object->text = text;
    object->setFontSize(fontSize);
}

void SlipReport::refresh()
{
    m_report.prepare();
    if (onRefresh) onRefresh();
}

void SlipReport::print()
{
    if (onPrint) onPrint();
}

std::optional<std::vector<ReportPage>> allSlipPages(SlipReport& slip,
                                                    const QStringList& numberLines,
                                                    SlipPlacing placing, Dialogs& dialogs)
{
    std::vector<ReportPage> pages;
    const auto keep = [&] {
        const auto& prepared = slip.report().preparedPages();
        pages.insert(pages.end(), prepared.begin(), prepared.end());
    };
    const auto previous = slip.onPrint;
    slip.onPrint = keep;
    placing.firstSlipOnly = false;
    AnsweringYes yes(dialogs);
    const bool placed = placeTips(numberLines, placing, slip, yes);
    slip.onPrint = previous;
    if (!placed) return std::nullopt;
    keep();  // the last slip, as "Drucken" prints it after placing
    return pages;
}

}  // namespace kw
