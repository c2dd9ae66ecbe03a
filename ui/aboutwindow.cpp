#include "aboutwindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "appicon.h"
#include "controlbinder.h"

namespace spindex::ui {

AboutWindow::AboutWindow(WindowActions& actions, spindex::AboutForm& form, QWidget* owner)
    : FormWindow(actions, form, owner) {
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    ControlBinder& bind = binder();
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(18, 18, 18, 14);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(8);

    QLabel* icon = bind.image(form.picIcon);
    icon->setPixmap(applicationIcon().pixmap(QSize(48, 48), devicePixelRatioF()));
    icon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    QLabel* title = bind.label(form.lblTitle);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    title->setFont(big);
    QLabel* version = bind.label(form.lblVersion);
    QLabel* description = bind.label(form.lblDescription);
    QLabel* comments = bind.label(form.lblComments);
    for (QLabel* text : {description, comments}) {
        text->setWordWrap(true);
        text->setMinimumWidth(360);
    }
    auto* rule = new QFrame(central);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    QPushButton* ok = bind.button(form.cmdOK);
    QPushButton* sysInfo = bind.button(form.cmdSysInfo);
    ok->setMinimumWidth(110);
    sysInfo->setMinimumWidth(110);
    ok->setToolTip(tr("Close this window"));
    sysInfo->setToolTip(tr("Start the system information tool"));
    setDefaultButton(ok);

    grid->addWidget(icon, 0, 0, 4, 1);
    grid->addWidget(title, 0, 1);
    grid->addWidget(version, 1, 1);
    grid->addWidget(description, 2, 1);
    grid->addWidget(comments, 3, 1);
    grid->addWidget(rule, 4, 0, 1, 2);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(sysInfo);
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addLayout(buttons);
    grid->addLayout(row, 5, 0, 1, 2);
    grid->setColumnStretch(1, 1);
    setCentralWidget(central);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

void AboutWindow::showModel(spindex::Form&) {
    binder().refresh();
}

} // namespace spindex::ui
