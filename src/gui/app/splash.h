#pragma once

#include <QWidget>

class QLabel;

namespace velmora::gui {

// The splash window `USplash`: the program's name and version, shown at start and by
// "Sobre o Velmora". A click or a key closes it.
class USplash : public QWidget {
    Q_OBJECT
public:
    explicit USplash(QWidget* parent = nullptr);

    static constexpr const char* kVersion = "13.00";
    static constexpr int kStartMilliseconds = 5000;

signals:
    void dismissed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

} // namespace velmora::gui
