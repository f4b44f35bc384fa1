#pragma once
// The list view's two lists: the TipList lines (TAB-separated, shown at tab stops)
// and their results beside them, fast enough for thousands of lines.
#include <QListView>

class QStringListModel;

namespace kw {

class TipListView : public QListView {
    Q_OBJECT
public:
    TipListView(QWidget* parent, const char* name);
    // Replaces every line at once (one model reset, no per-line work).
    void setLines(const QStringList& lines);
    QStringList lines() const;
    // Selects line index, or nothing when it does not exist.
    void selectLine(int index);

signals:
    void lineClicked(int index);
    // Anywhere in the list, on a line or below the last one.
    void listDoubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QStringListModel* m_model;
};

}  // namespace kw
