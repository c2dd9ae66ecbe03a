#include "splashwindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>

#include "appicon.h"
#include "controlbinder.h"
#include "windowactions.h"

namespace spindex::ui {

namespace {
QFont arial(int points, bool bold = false) {
    QFont font(QStringLiteral("Arial"), points);
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}
} // namespace

namespace {
constexpr int LogoSize = 128;
}

SplashWindow::SplashWindow(WindowActions& actions, spindex::SplashForm& form) : FormWindow(actions, form) {
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setFocusPolicy(Qt::StrongFocus);

    ControlBinder& bind = binder();
    QGroupBox* frame = bind.frame(form.Frame1);
    frame->setStyleSheet(QStringLiteral("QGroupBox { border: 2px groove #8090a0; margin: 6px; }"));
    m_logo = bind.image(form.imgLogo);
    m_logo->setFixedSize(LogoSize, LogoSize);
    m_logo->setAlignment(Qt::AlignCenter);
    m_logo->installEventFilter(this);

    QLabel* licenseTo = bind.label(form.lblLicenseTo);
    QLabel* product = bind.label(form.lblProductName);
    QLabel* platform = bind.label(form.lblPlatform);
    QLabel* version = bind.label(form.lblVersion);
    QLabel* warning = bind.label(form.lblWarning);
    QLabel* company = bind.label(form.lblCompany);
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
    grid->addWidget(m_logo, 1, 0, 3, 1);
    grid->addWidget(product, 1, 1);
    grid->addWidget(platform, 2, 1);
    grid->addWidget(version, 3, 1);
    grid->addWidget(warning, 4, 0, 1, 2);
    grid->addWidget(company, 5, 0, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(1, 1);

    // The splash is as large as the model's window, or as its texts need, and no larger.
    frame->setMinimumSize(twipsX(form.width), twipsY(form.height));
    setCentralWidget(frame);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void SplashWindow::drawLogo() {
    // Drawn for the pixels of the screen it is on, so the logo is as sharp at 2x as at 1x. It is
    // drawn when the logo is first painted, still in the splash's first frame: drawn before the window
    // is on screen, it held the program's first window back by about two milliseconds.
    const qreal ratio = m_logo->devicePixelRatioF();
    const QPixmap shown = m_logo->pixmap();
    if (shown.isNull() || shown.devicePixelRatio() != ratio)
        m_logo->setPixmap(diskStackPixmap(LogoSize, ratio));
}

void SplashWindow::showModel(spindex::Form&) {
    binder().refresh();
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_logo && event->type() == QEvent::Paint)
        drawLogo();
    return FormWindow::eventFilter(watched, event);
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (auto* splash = static_cast<spindex::SplashForm*>(form()))
        m_actions.act(*splash, [splash] { splash->Form_KeyPress(); });
}

void SplashWindow::showEvent(QShowEvent* event) {
    FormWindow::showEvent(event);
    setFocus(Qt::OtherFocusReason);
}

} // namespace spindex::ui
