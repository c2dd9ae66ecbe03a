#include "controlbinder.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QTabWidget>

#include "formwindow.h"
#include "runtime/form.h"
#include "windowactions.h"

namespace spindex::ui {

namespace {

QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

// Swallows the mouse on a label, frame or image and hands a click to the model.
class ClickTaker : public QObject {
public:
    ClickTaker(QObject* parent, std::function<void()> onClick) : QObject(parent), m_onClick(std::move(onClick)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return true;
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            auto* widget = static_cast<QWidget*>(watched);
            if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint()))
                m_onClick();
            return true;
        }
        default:
            return false;
        }
    }

private:
    std::function<void()> m_onClick;
};

// A list shows the model's items; it is rebuilt only when they differ, so an open list keeps its place.
void showItems(QComboBox& box, const std::vector<std::string>& items, int listIndex) {
    bool same = box.count() == static_cast<int>(items.size());
    for (int i = 0; same && i < box.count(); ++i)
        same = box.itemText(i) == qt(items[static_cast<size_t>(i)]);
    if (!same) {
        box.clear();
        for (const std::string& item : items)
            box.addItem(qt(item));
    }
    box.setCurrentIndex(listIndex);
}

} // namespace

ControlBinder::ControlBinder(WindowActions& actions, spindex::Form& form, FormWindow& window)
    : QObject(&window), m_actions(actions), m_form(&form), m_window(window) {}

void ControlBinder::detach() {
    m_bindings.clear();
    m_form = nullptr;
}

void ControlBinder::showLocked(QLineEdit& box, bool locked) {
    if (box.isReadOnly() == locked && box.property("lockedLook").isValid())
        return;
    box.setProperty("lockedLook", locked);
    box.setReadOnly(locked);
    // A displayed value is no stop for Tab, but a click still selects its text for copying.
    box.setFocusPolicy(locked ? Qt::ClickFocus : Qt::StrongFocus);
    if (locked) {
        QPalette palette = box.palette();
        for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            palette.setColor(group, QPalette::Base, palette.color(group, QPalette::Window));
        box.setPalette(palette);
    } else {
        box.setPalette(QPalette());
    }
}

QString ControlBinder::labelText(const std::string& caption) {
    QString text;
    const QString source = qt(caption);
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (source[i] == '&' && i + 1 < source.size())
            ++i; // "&x" shows x, "&&" shows one "&"
        text += source[i];
    }
    return text;
}

void ControlBinder::act(std::function<void()> action) {
    if (m_form)
        m_actions.act(*m_form, action);
}

void ControlBinder::bind(spindex::Control& control, QWidget& widget, std::function<void()> show) {
    widget.setObjectName(qt(control.name));
    auto* target = &widget;
    m_bindings.push_back([&control, target, show = std::move(show)] {
        const QSignalBlocker blocker(target);
        if (show)
            show();
        target->setEnabled(control.enabled);
        target->setHidden(!control.visible);
    });
}

void ControlBinder::takeClicks(spindex::Control& control, QWidget& widget) {
    widget.installEventFilter(new ClickTaker(&widget, [this, &control] {
        act([&control] {
            if (control.hasClickHandler())
                control.userClick();
        });
    }));
}

QLabel* ControlBinder::label(spindex::Label& control, QWidget* buddy) {
    auto* widget = new QLabel(&m_window);
    if (buddy) {
        // The caption's own access key, if it has one, reaches the field; none is made up.
        widget->setBuddy(buddy);
        bind(control, *widget, [&control, widget, buddy] {
            widget->setText(qt(control.caption));
            buddy->setAccessibleName(labelText(control.caption));
        });
    } else {
        bind(control, *widget, [&control, widget] { widget->setText(labelText(control.caption)); });
    }
    takeClicks(control, *widget);
    return widget;
}

QLineEdit* ControlBinder::textBox(spindex::TextBox& control) {
    auto* widget = new QLineEdit(&m_window);
    bind(control, *widget, [&control, widget] {
        // Only a different text is set, so that typing keeps its cursor.
        if (widget->text() != qt(control.text()))
            widget->setText(qt(control.text()));
        showLocked(*widget, control.locked);
    });
    connect(widget, &QLineEdit::textEdited, this,
            [this, &control](const QString& text) { act([&control, text] { control.userType(text.toStdString()); }); });
    return widget;
}

QComboBox* ControlBinder::list(spindex::ListBox& control) {
    auto* widget = new QComboBox(&m_window);
    widget->setEditable(false);
    widget->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    bind(control, *widget, [&control, widget] { showItems(*widget, control.items(), control.listIndex()); });
    // activated, not currentIndexChanged: a pick of the entry already selected is a pick too.
    connect(widget, &QComboBox::activated, this,
            [this, &control](int index) { act([&control, index] { control.userPick(index); }); });
    return widget;
}

QListWidget* ControlBinder::listView(spindex::ListBox& control) {
    auto* widget = new QListWidget(&m_window);
    bind(control, *widget, [&control, widget] {
        QStringList items;
        for (const std::string& item : control.items())
            items << qt(item);
        QStringList shown;
        for (int i = 0; i < widget->count(); ++i)
            shown << widget->item(i)->text();
        if (shown != items) {
            const QSignalBlocker quiet(widget);
            widget->clear();
            widget->addItems(items);
        }
        if (widget->currentRow() != control.listIndex()) {
            const QSignalBlocker quiet(widget);
            widget->setCurrentRow(control.listIndex());
        }
    });
    connect(widget, &QListWidget::currentRowChanged, this, [this, &control](int row) {
        if (row >= 0 && row != control.listIndex())
            act([&control, row] { control.userPick(row); });
    });
    return widget;
}

QCheckBox* ControlBinder::checkBox(spindex::CheckBox& control) {
    auto* widget = new QCheckBox(&m_window);
    bind(control, *widget, [&control, widget] {
        widget->setText(qt(control.caption));
        widget->setChecked(control.value() != 0);
    });
    connect(widget, &QCheckBox::clicked, this, [this, &control] { act([&control] { control.userClick(); }); });
    return widget;
}

QRadioButton* ControlBinder::option(spindex::OptionButton& control) {
    auto* widget = new QRadioButton(&m_window);
    // The model keeps one button of each group selected; the widgets only show it.
    widget->setAutoExclusive(false);
    bind(control, *widget, [&control, widget] {
        widget->setText(qt(control.caption));
        widget->setChecked(control.value());
    });
    connect(widget, &QRadioButton::clicked, this, [this, &control] { act([&control] { control.userClick(); }); });
    return widget;
}

QPushButton* ControlBinder::button(spindex::Button& control) {
    auto* widget = new QPushButton(&m_window);
    widget->setAutoDefault(false);
    bind(control, *widget, [&control, widget] { widget->setText(qt(control.caption)); });
    connect(widget, &QPushButton::clicked, this, [this, &control] { act([&control] { control.userClick(); }); });
    return widget;
}

QGroupBox* ControlBinder::frame(spindex::Frame& control, bool bordered) {
    auto* widget = new QGroupBox(&m_window);
    if (!bordered) {
        widget->setFlat(true);
        widget->setStyleSheet(QStringLiteral("QGroupBox { border: none; margin: 0; padding: 0; }"));
    }
    bind(control, *widget, [&control, widget] { widget->setTitle(qt(control.caption)); });
    takeClicks(control, *widget);
    return widget;
}

QLabel* ControlBinder::image(spindex::Image& control) {
    auto* widget = new QLabel(&m_window);
    bind(control, *widget, {});
    takeClicks(control, *widget);
    return widget;
}

QWidget* ControlBinder::line(spindex::LineShape& control, Qt::Orientation orientation) {
    auto* widget = new QFrame(&m_window);
    widget->setFrameShape(orientation == Qt::Horizontal ? QFrame::HLine : QFrame::VLine);
    widget->setFrameShadow(QFrame::Sunken);
    bind(control, *widget, {});
    return widget;
}

QTabWidget* ControlBinder::tabs(spindex::TabControl& control) {
    auto* widget = new QTabWidget(&m_window);
    for (int t = 0; t < spindex::TabControl::Tabs; ++t)
        widget->addTab(new QWidget(widget), QString());
    bind(control, *widget, [&control, widget] {
        for (int t = 0; t < spindex::TabControl::Tabs; ++t) {
            widget->setTabText(t, qt(control.tabCaption[static_cast<size_t>(t)]));
            widget->setTabEnabled(t, control.tabEnabled[static_cast<size_t>(t)]);
        }
        widget->setCurrentIndex(control.tab());
    });
    // The tab bar lets the user reach only enabled tabs.
    connect(widget, &QTabWidget::currentChanged, this, [this, &control](int tab) {
        if (tab != control.tab())
            act([&control, tab] { control.userSelectTab(tab); });
    });
    return widget;
}

QMenu* ControlBinder::menu(spindex::MenuItem& control, QMenuBar& bar) {
    auto* widget = bar.addMenu(QString());
    widget->setObjectName(qt(control.name));
    QAction* action = widget->menuAction();
    m_bindings.push_back([&control, action] {
        action->setText(qt(control.caption));
        action->setEnabled(control.enabled);
        action->setVisible(control.visible);
    });
    return widget;
}

QAction* ControlBinder::menuItem(spindex::MenuItem& control, QWidget& menu, QActionGroup* group) {
    auto* action = new QAction(&menu);
    action->setObjectName(qt(control.name));
    action->setSeparator(control.separator());
    if (group) {
        action->setCheckable(true);
        group->addAction(action);
    }
    menu.addAction(action);
    // No signal blocker: the marks of a group follow the checked item only through its signals, and
    // a mark set from code never triggers the item.
    m_bindings.push_back([&control, action] {
        // A separator drawn with a text is a titled section in some styles: the "-" that makes it a
        // separator is no title.
        action->setText(action->isSeparator() ? QString() : qt(control.caption));
        action->setChecked(control.checked);
        action->setEnabled(control.enabled);
        action->setVisible(control.visible);
    });
    connect(action, &QAction::triggered, this, [this, &control] { act([&control] { control.userClick(); }); });
    return action;
}

void ControlBinder::refresh() {
    if (!m_form)
        return;
    m_window.setWindowTitle(qt(m_form->caption));
    for (const auto& show : m_bindings)
        show();
}

} // namespace spindex::ui
