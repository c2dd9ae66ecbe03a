#pragma once

// "Spindex Manual": the manual, a Markdown file with pictures beside it, shown in a window of its own.
// It is not one of the program's windows: the model only asks the host to show the file, and the
// window lives beside the others until the user closes it or the program ends. Links between the
// manual and the batch tool's page are followed inside the window.

#include <QMainWindow>

class QTextBrowser;

namespace spindex::ui {

class ManualWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ManualWindow(QWidget* parent = nullptr);

    // Shows the Markdown file at path from its beginning, its pictures and links found beside it.
    void open(const QString& path);
    // Sizes the window for the manual's pictures and centres it on the screen it opens on.
    void placeOnScreen();
    QTextBrowser* browser() const { return m_browser; }

protected:
    bool event(QEvent* event) override;

private:
    // Set before the browser is made: making it already sends this window events.
    bool m_frameChecked = false; // against the true frame, once it is known
    QTextBrowser* m_browser;
};

} // namespace spindex::ui
