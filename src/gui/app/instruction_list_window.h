#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace velmora::gui {

// The instruction-list window `TFrmListadeInstrucao`. For now it holds only the hidden memo
// `MemoException`, where the texts of unexpected errors are kept.
class TFrmListadeInstrucao : public QWidget {
    Q_OBJECT
public:
    explicit TFrmListadeInstrucao(QWidget* parent = nullptr);

    void appendException(const QString& text);
    QPlainTextEdit* memoException() const { return memoException_; }

private:
    QPlainTextEdit* memoException_;
};

} // namespace velmora::gui
