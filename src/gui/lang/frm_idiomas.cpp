#include "gui/lang/frm_idiomas.h"

#include "core/workspace.h"
#include "gui/adapters/qt_text.h"
#include "gui/lang/window_captions.h"

#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmora::gui {

namespace {

// The editor's texts are its own, not messages of the table it edits.
const std::vector<LiteralCaption>& literalCaptions() {
    static const std::vector<LiteralCaption> captions = {
        {"FrmIdiomas", "Configura\xE7\xE3o de Idiomas", CaptionRole::Caption},
        {"tbNovo", "Novo Idioma", CaptionRole::Hint},
        {"tbExcluir", "Excluir Idioma", CaptionRole::Hint},
        {"tbEditar", "Editar nome do Idioma", CaptionRole::Hint},
        {"tbSalvar",
         "Salvar Altera\xE7\xF5"
         "es",
         CaptionRole::Hint},
        {"tbNovoItem", "Incluir nova palavra/frase", CaptionRole::Hint},
        {"tbExcluirItem", "Excluir palavra/frase", CaptionRole::Hint},
        {"tbSair", "Sair da configura\xE7\xE3o dos Idiomas", CaptionRole::Hint},
        {"lbIdiomaEdicao", "   Idioma em Edi\xE7\xE3o   ", CaptionRole::Caption},
        {"lbIdiomaComparacao", "   Idioma para Compara\xE7\xE3o   ", CaptionRole::Caption},
        {"gbPalavras", " Edi\xE7\xE3o das Palavras / Frases ", CaptionRole::Caption},
    };
    return captions;
}

} // namespace

TFrmIdiomas::TFrmIdiomas(Workspace& ws, Prompts& prompts, QWidget* parent)
    : QDialog(parent), ws_(ws), prompts_(prompts), editor_(ws.language) {
    setObjectName(QStringLiteral("FrmIdiomas"));
    resize(900, 600);

    auto* tools = new QHBoxLayout;
    tools->addWidget(tool("tbNovo", QStyle::SP_FileDialogNewFolder));
    tools->addWidget(tool("tbExcluir", QStyle::SP_TrashIcon));
    tools->addWidget(tool("tbEditar", QStyle::SP_FileDialogDetailedView));
    tools->addWidget(tool("tbSalvar", QStyle::SP_DialogSaveButton));
    tools->addSpacing(12);
    tools->addWidget(tool("tbNovoItem", QStyle::SP_FileIcon));
    tools->addWidget(tool("tbExcluirItem", QStyle::SP_DialogDiscardButton));
    tools->addSpacing(12);
    tools->addWidget(tool("tbSair", QStyle::SP_DialogCloseButton));
    tools->addStretch(1);

    auto* lists = new QHBoxLayout;
    auto* lbEdicao = new QLabel(this);
    lbEdicao->setObjectName(QStringLiteral("lbIdiomaEdicao"));
    cbIdiomaEdicao_ = new QComboBox(this);
    cbIdiomaEdicao_->setObjectName(QStringLiteral("cbIdiomaEdicao"));
    auto* lbComparacao = new QLabel(this);
    lbComparacao->setObjectName(QStringLiteral("lbIdiomaComparacao"));
    cbIdiomaComparacao_ = new QComboBox(this);
    cbIdiomaComparacao_->setObjectName(QStringLiteral("cbIdiomaComparacao"));
    lists->addWidget(lbEdicao);
    lists->addWidget(cbIdiomaEdicao_, 1);
    lists->addWidget(lbComparacao);
    lists->addWidget(cbIdiomaComparacao_, 1);

    auto* group = new QGroupBox(this);
    group->setObjectName(QStringLiteral("gbPalavras"));
    advIdiomas_ = new QTableWidget(group);
    advIdiomas_->setObjectName(QStringLiteral("AdvIdiomas"));
    advIdiomas_->setColumnCount(LanguageEditor::kColumns);
    advIdiomas_->verticalHeader()->setVisible(false);
    advIdiomas_->horizontalHeader()->setStretchLastSection(true);
    advIdiomas_->setSelectionMode(QAbstractItemView::SingleSelection);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->addWidget(advIdiomas_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(tools);
    layout->addLayout(lists);
    layout->addWidget(group, 1);

    connect(cbIdiomaEdicao_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_) {
            commitPendingEdit();
            editor_.selectEdited(index);
            fillGrid();
        }
    });
    connect(cbIdiomaComparacao_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (!filling_) {
            commitPendingEdit();
            editor_.selectComparison(index);
            fillGrid();
        }
    });
    connect(advIdiomas_, &QTableWidget::itemChanged, this,
            [this](QTableWidgetItem* item) { AdvIdiomasCellChanged(item); });

    retranslate();
    refresh();
}

QToolButton* TFrmIdiomas::tool(const char* name, int icon) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setIcon(style()->standardIcon(static_cast<QStyle::StandardPixmap>(icon)));
    button->setAutoRaise(true);
    const std::string which(name);
    connect(button, &QToolButton::clicked, this, [this, which] {
        if (which == "tbNovo") {
            tbNovoClick();
        } else if (which == "tbExcluir") {
            tbExcluirClick();
        } else if (which == "tbEditar") {
            tbEditarClick();
        } else if (which == "tbSalvar") {
            tbSalvarClick();
        } else if (which == "tbNovoItem") {
            tbNovoItemClick();
        } else if (which == "tbExcluirItem") {
            tbExcluirItemClick();
        } else if (which == "tbSair") {
            tbSairClick();
        }
    });
    return button;
}

void TFrmIdiomas::retranslate() {
    applyLiteralCaptions(this, literalCaptions());
}

void TFrmIdiomas::showEvent(QShowEvent* event) {
    retranslate();
    editor_.show();
    refresh();
    QDialog::showEvent(event);
}

void TFrmIdiomas::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        retranslate();
    }
    QDialog::changeEvent(event);
}

void TFrmIdiomas::commitPendingEdit() {
    // Moving the current cell away commits an open cell editor's text; without one it
    // changes nothing.
    const QModelIndex current = advIdiomas_->currentIndex();
    advIdiomas_->setCurrentIndex(QModelIndex());
    advIdiomas_->setCurrentIndex(current);
}

void TFrmIdiomas::refresh() {
    fillLists();
    fillGrid();
}

void TFrmIdiomas::fillLists() {
    filling_ = true;
    const Language& lang = ws_.language;
    for (auto [combo, index] : {std::pair{cbIdiomaEdicao_, lang.edited},
                                std::pair{cbIdiomaComparacao_, lang.comparison}}) {
        const QSignalBlocker block(combo);
        combo->clear();
        for (const auto& name : editor_.languageNames()) {
            combo->addItem(toQt(name));
        }
        combo->setCurrentIndex(index < combo->count() ? index : -1);
    }
    filling_ = false;
}

void TFrmIdiomas::fillGrid() {
    filling_ = true;
    const QSignalBlocker block(advIdiomas_);
    const auto& grid = editor_.grid();
    QStringList header;
    for (const auto& cell : grid.front()) {
        header << toQt(cell);
    }
    advIdiomas_->setHorizontalHeaderLabels(header);
    advIdiomas_->setRowCount(static_cast<int>(grid.size()) - 1);
    for (std::size_t r = 1; r < grid.size(); ++r) {
        for (int c = 0; c < LanguageEditor::kColumns; ++c) {
            auto* item = new QTableWidgetItem(toQt(grid[r][static_cast<std::size_t>(c)]));
            Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
            if (LanguageEditor::isEditable(static_cast<int>(r), c)) {
                flags |= Qt::ItemIsEditable;
            }
            item->setFlags(flags);
            advIdiomas_->setItem(static_cast<int>(r) - 1, c, item);
        }
    }
    advIdiomas_->resizeColumnToContents(0);
    const int selected = editor_.selectedRow();
    if (selected >= 1 && selected < static_cast<int>(grid.size())) {
        advIdiomas_->setCurrentCell(selected - 1, 2);
        advIdiomas_->scrollToItem(advIdiomas_->item(selected - 1, 2));
    }
    filling_ = false;
}

void TFrmIdiomas::AdvIdiomasCellChanged(QTableWidgetItem* item) {
    if (filling_) {
        return;
    }
    const int row = item->row() + 1;
    const int column = item->column();
    if (!editor_.setCell(row, column, fromQt(item->text()), prompts_)) {
        // Refused: the cell shows what the editor holds.
        const QSignalBlocker block(advIdiomas_);
        const auto& grid = editor_.grid();
        if (static_cast<std::size_t>(row) < grid.size()) {
            item->setText(
                toQt(grid[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)]));
        }
    }
}

void TFrmIdiomas::tbNovoClick() {
    commitPendingEdit();
    editor_.newLanguage(prompts_);
    refresh();
}

void TFrmIdiomas::tbExcluirClick() {
    commitPendingEdit();
    editor_.deleteLanguage(prompts_);
    refresh();
}

void TFrmIdiomas::tbEditarClick() {
    commitPendingEdit();
    editor_.renameLanguage(prompts_);
    refresh();
}

void TFrmIdiomas::tbSalvarClick() {
    commitPendingEdit();
    editor_.save(ws_.home.languageFile(), prompts_);
}

void TFrmIdiomas::tbNovoItemClick() {
    commitPendingEdit();
    editor_.newPhrase();
    fillGrid();
}

void TFrmIdiomas::tbExcluirItemClick() {
    commitPendingEdit();
    const int row = advIdiomas_->currentRow() + 1; // grid row; the header is row 0
    if (editor_.deletePhrase(row, prompts_)) {
        fillGrid();
    }
}

void TFrmIdiomas::tbSairClick() {
    commitPendingEdit();
    close();
}

} // namespace velmora::gui
