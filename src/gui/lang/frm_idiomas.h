#pragma once

#include "core/lang/language_editor.h"

#include <QDialog>

class QComboBox;
class QTableWidget;
class QTableWidgetItem;
class QToolButton;

namespace velmora {
class Prompts;
struct Workspace;
} // namespace velmora

namespace velmora::gui {

// The language editor window: the grid of messages with the edited and the comparison
// language, and the tool buttons over the table. Its commands are the core LanguageEditor's;
// the window only mirrors the editor's grid and passes typed cells to it.
class TFrmIdiomas : public QDialog {
    Q_OBJECT
public:
    TFrmIdiomas(Workspace& ws, Prompts& prompts, QWidget* parent = nullptr);

    // Sets the window's fixed captions and hints.
    void retranslate();

    const LanguageEditor& editor() const { return editor_; }

    void tbNovoClick();
    void tbExcluirClick();
    void tbEditarClick();
    void tbSalvarClick();
    void tbNovoItemClick();
    void tbExcluirItemClick();
    void tbSairClick();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QToolButton* tool(const char* name, int icon);
    // A cell still being typed is handed to the editor before any command runs.
    void commitPendingEdit();
    void refresh();
    void fillLists();
    void fillGrid();
    void AdvIdiomasCellChanged(QTableWidgetItem* item);

    Workspace& ws_;
    Prompts& prompts_;
    LanguageEditor editor_;
    QComboBox* cbIdiomaEdicao_ = nullptr;
    QComboBox* cbIdiomaComparacao_ = nullptr;
    QTableWidget* advIdiomas_ = nullptr;
    bool filling_ = false;
};

} // namespace velmora::gui
