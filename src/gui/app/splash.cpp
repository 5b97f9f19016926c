#include "gui/app/splash.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace velmora::gui {

USplash::USplash(QWidget* parent) : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("USplash"));
    setFixedSize(420, 240);
    auto* layout = new QVBoxLayout(this);
    auto* name = new QLabel(QStringLiteral("Velmora"), this);
    name->setObjectName(QStringLiteral("LabelNome"));
    QFont big(QStringLiteral("Liberation Sans"));
    big.setPixelSize(44);
    big.setBold(true);
    name->setFont(big);
    name->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(QString::fromLatin1(kVersion), this);
    version->setObjectName(QStringLiteral("LabelVersao"));
    name->setStyleSheet(QStringLiteral("color: white"));
    version->setStyleSheet(QStringLiteral("color: white"));
    version->setAlignment(Qt::AlignRight | Qt::AlignBottom);
    layout->addStretch();
    layout->addWidget(name);
    layout->addStretch();
    layout->addWidget(version);
}

void USplash::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    hide();
    emit dismissed();
}

void USplash::keyPressEvent(QKeyEvent* event) {
    QWidget::keyPressEvent(event);
    hide();
    emit dismissed();
}

void USplash::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 0, 128));
    p.setPen(QColor(255, 255, 255));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    QWidget::paintEvent(event);
}

} // namespace velmora::gui
