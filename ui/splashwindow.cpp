#include "splashwindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>

#include "appicon.h"
#include "controlbinder.h"
#include "session.h"

namespace spindex::ui {

namespace {
QFont arial(int points, bool bold = false) {
    QFont font(QStringLiteral("Arial"), points);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}
} // namespace

SplashWindow::SplashWindow(Session& session, spindex::SplashForm& form)
    : FormWindow(session, form), m_splash(form), m_binder(new ControlBinder(session, form, *this)) {
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);

    QGroupBox* frame = m_binder->frame(form.Frame1);
    frame->setStyleSheet(QStringLiteral("QGroupBox { border: 2px groove #8090a0; margin: 6px; }"));
    QLabel* logo = m_binder->image(form.imgLogo);
    logo->setPixmap(diskStackPixmap(128));
    logo->setAlignment(Qt::AlignCenter);

    QLabel* licenseTo = m_binder->label(form.lblLicenseTo);
    QLabel* product = m_binder->label(form.lblProductName);
    QLabel* platform = m_binder->label(form.lblPlatform);
    QLabel* version = m_binder->label(form.lblVersion);
    QLabel* warning = m_binder->label(form.lblWarning);
    QLabel* company = m_binder->label(form.lblCompany);
    licenseTo->setFont(arial(9));
    product->setFont(arial(32, true));
    product->setStyleSheet(QStringLiteral("color: #102880;"));
    platform->setFont(arial(15, true));
    version->setFont(arial(12, true));
    warning->setFont(arial(9));
    company->setFont(arial(10, true));
    for (QLabel* right : {platform, version, company})
        right->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    warning->setWordWrap(true);
    // The platform and licensee lines are empty but keep their height, so they can be clicked.
    for (QLabel* line : {licenseTo, product, platform, version, warning, company})
        line->setMinimumHeight(line->fontMetrics().height());

    auto* grid = new QGridLayout(frame);
    grid->setContentsMargins(18, 14, 18, 14);
    grid->setHorizontalSpacing(24);
    grid->addWidget(licenseTo, 0, 0, 1, 2);
    grid->addWidget(logo, 1, 0, 3, 1);
    grid->addWidget(product, 1, 1);
    grid->addWidget(platform, 2, 1);
    grid->addWidget(version, 3, 1);
    grid->addWidget(warning, 4, 0, 1, 2);
    grid->addWidget(company, 5, 0, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);

    setCentralWidget(frame);
    setMinimumSize(twipsX(form.width), twipsY(form.height));
}

void SplashWindow::refresh() {
    m_binder->refresh();
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    m_session.act(m_splash, [this] { m_splash.Form_KeyPress(); });
}

void SplashWindow::showEvent(QShowEvent* event) {
    FormWindow::showEvent(event);
    setFocus(Qt::OtherFocusReason);
}

} // namespace spindex::ui
