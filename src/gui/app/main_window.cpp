#include "gui/app/main_window.h"

#include "core/lang/captions.h"
#include "core/session/session.h"
#include "gui/adapters/qt_text.h"
#include "gui/app/instruction_list_window.h"
#include "gui/app/menu_builder.h"
#include "gui/app/splash.h"
#include "gui/ladder/ladder_input.h"
#include "gui/ladder/ladder_page.h"
#include "gui/ladder/ladder_tools.h"

#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStackedWidget>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace velmora::gui {

MainWindow::MainWindow(const StartupOptions& options, QWidget* parent)
    : QMainWindow(parent), qtPrompts_(this) {
    setObjectName(QStringLiteral("MainWindow"));
    ws_.home.path = options.home;
    if (options.prompts != nullptr) {
        prompts_ = options.prompts;
    }
    resize(1280, 800);

    buildMenus();
    buildToolBars();
    buildPages();
    buildPopupMenus();

    auto* status = new QStatusBar(this);
    status->setObjectName(QStringLiteral("StatusBarPrincipal"));
    // 0 link, 1 controller, 2 free, 3 pointer cell, 4 the operand under the cursor.
    for (int i = 0; i < 5; ++i) {
        auto* panel = new QLabel(status);
        panel->setObjectName(QStringLiteral("StatusBarPrincipalPanel%1").arg(i));
        panel->setMinimumWidth(i == 4 ? 300 : 120);
        status->addWidget(panel, i == 4 ? 1 : 0);
    }
    setStatusBar(status);

    frmListadeInstrucao_ = new TFrmListadeInstrucao(this);

    startSession(ws_, prompts());
    applyNoProjectState();
    wireSettings();
    wireLadderTools(*this);
    installLadderInput(*this);
    retranslate();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus() {
    MenuBuilder b(this);
    QMenuBar* bar = menuBar();

    QMenu* projeto = b.menu(bar, "miProjeto");
    b.items(projeto,
            {"miNovo", "miABrir", "miFechar", "-", "miSalvar", "miSalvarComo", "-", "miImprimir"});
    // Positions 8 to 11 hold the recent projects; they stay hidden until there are any.
    for (int i = 1; i <= 4; ++i) {
        QAction* recent = b.item(projeto, QStringLiteral("miRecente%1").arg(i));
        recent->setVisible(false);
    }
    b.items(projeto, {"-", "miSair"});

    QMenu* edicao = b.menu(bar, "miEdicao");
    b.items(edicao, {"miInserirLogica", "miIrParLogica", "-", "miCopiarLogica", "miRecortarLogica",
                     "miColarLogica", "miApagarLogica", "-", "miCopiarBlocoLogicas",
                     "miRecortaBlocoLogicas"});
    QMenu* colaBloco = b.menu(edicao, "miColaBlocoLogicas");
    b.items(colaBloco, {"miApartirdoProprioPrograma", "miAPartirdaAreaTransferencia"});
    b.items(edicao, {"miApagaBlocoLogicas", "-", "miCopiarAreaMarcada", "miRecortarAreaMarcada",
                     "miColarAreaMarcada"});
    QMenu* inserir = b.menu(edicao, "miInserirnaLogica");
    b.items(inserir, {"miInserirLinha", "miInserirColuna"});
    b.items(edicao,
            {"-", "miBuscaInstrucao", "miProximaBuscaIbstrucao", "miBuscaOperando",
             "miProximaBuscaOperando", "miBuscaOperandoPorSimbolo", "miSubstituirOperando"});

    QMenu* exibir = b.menu(bar, "miExibir");
    b.items(exibir, {"miLadder", "miIHM", "-"});
    auto* modes = new QActionGroup(this);
    for (const char* name : {"miExibeEndereco", "miExibeSimbolo", "miEnderecoSimbolo"}) {
        QAction* a = b.item(exibir, name);
        a->setCheckable(true);
        modes->addAction(a);
    }

    QMenu* ferramentas = b.menu(bar, "miFerramentas");
    b.items(ferramentas,
            {"miTabeladeSimbolos", "miTabeladeCompartilhamento", "miTabeladeReceitas"});

    QMenu* clp = b.menu(bar, "miCLP");
    b.items(clp, {"miConectar", "miDesconectar", "-", "miDownLoad", "miUpLoad", "-", "miRun",
                  "miStop", "miMonitorar", "miCompara", "-", "miApagaMemoria", "mimemoriaUsada",
                  "miConfigurarelogio"});

    QMenu* config = b.menu(bar, "miConfiguracoes");
    b.items(config, {"MIConfiguraComunicacao", "miGerais", "miTemporizadores", "miContadores", "-",
                     "Idioma1"});

    QMenu* ajuda = b.menu(bar, "miAjuda");
    b.items(ajuda, {"miConteudo", "miConjuntodeInstrucoes", "-", "miSobreVelmora"});

    connect(b.find("miSair"), &QAction::triggered, this, [this] {
        showPage(StartPage);
        close();
    });
    connect(b.find("miSobreVelmora"), &QAction::triggered, this, &MainWindow::showAbout);
}

void MainWindow::buildToolBars() {
    MenuBuilder b(this);
    QToolBar* main = b.toolBar("ToolBarPrincipal");
    addToolBar(Qt::TopToolBarArea, main);
    b.tools(main, {"TbNovo",     "TbAbrir",       "TbSalvar",         "TbImprimir",
                   "-",          "TbRecortar",    "TbCopiar",         "TbColar",
                   "-",          "TbCompila",     "TbInsereLogica",   "-",
                   "TbConectar", "TbDesconectar", "TbDownLoad",       "TbUpload",
                   "TbRun",      "TbStop",        "TbMonitorar",      "TbPMonitorar",
                   "-",          "TbTabSimb",     "TbTabComp",        "TbTabRec",
                   "-",          "TbLadder",      "TbListaInstrucao", "TbIHM",
                   "-",          "TbHelp"});

    addToolBarBreak();
    QToolBar* ladder = b.toolBar("ToolBarLadder");
    addToolBar(Qt::TopToolBarArea, ladder);
    b.tools(ladder, {"TbMantendo",
                     "-",
                     "TbTho",
                     "TbPreenche",
                     "TbTVE",
                     "TbApagaTVE",
                     "-",
                     "TBCNA",
                     "TbCNF",
                     "TbCBP",
                     "TbCBN",
                     "-",
                     "TBBOB",
                     "TBBON",
                     "TBBOS",
                     "TBBOR",
                     "-",
                     "TBTON",
                     "TBTOFF",
                     "TBTP",
                     "-",
                     "TBCUP",
                     "TBCDO",
                     "TBCUD",
                     "-",
                     "TBSUM_B",
                     "TBSUB_B",
                     "TBMUL_B",
                     "TBDIV_B",
                     "TBSUM_W",
                     "TBSUB_W",
                     "TBMUL_W",
                     "TBDIV_W",
                     "-",
                     "TbIgual_B",
                     "TbMaior_B",
                     "TbMaiorIgual_B",
                     "TbMenor_B",
                     "TbMenorIgual_B",
                     "TbDiferente_B",
                     "TbIgual_W",
                     "TbMaior_W",
                     "TbMaiorIgual_W",
                     "TbMenor_W",
                     "TbMenorIgual_W",
                     "TbDiferente_W",
                     "-",
                     "TBMBB",
                     "TBMWW",
                     "TBMBW",
                     "TBMWB",
                     "Tbmovp_dest_B",
                     "Tbmovp_ori_B",
                     "Tbmovp_dest_W",
                     "Tbmovp_ori_W",
                     "-",
                     "TbCR",
                     "TbJUMP",
                     "TbCALL",
                     "TbPID",
                     "TbOPR"});
    b.find("TbMantendo")->setCheckable(true);
}

void MainWindow::buildPages() {
    notebook_ = new QStackedWidget(this);
    notebook_->setObjectName(QStringLiteral("NotebookPrincipal"));

    auto* start = new QLabel(notebook_);
    start->setObjectName(QStringLiteral("PaginaInicial"));
    start->setAlignment(Qt::AlignCenter);
    start->setText(
        QStringLiteral("<span style='font-size:64px; color:#000080'><b>Velmora</b></span>"));
    notebook_->addWidget(start);

    auto* ladder = new gui::LadderPage(ws_, notebook_); // objectName "PaginaLadder"
    notebook_->addWidget(ladder);

    auto* il = new QWidget(notebook_);
    il->setObjectName(QStringLiteral("PaginaListaInstrucao"));
    auto* ilLayout = new QVBoxLayout(il);
    auto* memo = new QPlainTextEdit(il);
    memo->setObjectName(QStringLiteral("MemoLI"));
    ilLayout->addWidget(memo);
    notebook_->addWidget(il);

    auto* hmi = new QWidget(notebook_);
    hmi->setObjectName(QStringLiteral("PaginaIHM"));
    auto* hmiLayout = new QVBoxLayout(hmi);
    MenuBuilder b(this);
    QToolBar* hmiTools = b.toolBar("ToolBarIHM");
    hmiTools->setParent(hmi);
    b.tools(hmiTools,
            {"TBNovoGrupo", "TBExcluiGrupo", "TbNovaPagina", "TbExcluiPagina", "TbSobe", "TbDesce",
             "-", "TBSenha", "TBCampoEdit", "TbCampoVis", "TbCampoString", "TbCampoSelet",
             "tbBarGraph", "tbReceitas", "-", "TbCentro", "TbEsquerda", "TbDireita"});
    hmiLayout->addWidget(hmiTools);
    auto* tree = new QTreeWidget(hmi);
    tree->setObjectName(QStringLiteral("treeviewIHM"));
    tree->setHeaderHidden(true);
    auto* row = new QHBoxLayout;
    row->addWidget(tree, 1);
    auto* panel = new QVBoxLayout;
    for (const char* name : {"LabelLinkTeclaEsq", "LabelLinkTeclaDir"}) {
        auto* label = new QLabel(hmi);
        label->setObjectName(QString::fromLatin1(name));
        panel->addWidget(label);
    }
    panel->addStretch();
    row->addLayout(panel, 2);
    hmiLayout->addLayout(row);
    notebook_->addWidget(hmi);

    setCentralWidget(notebook_);
}

void MainWindow::buildPopupMenus() {
    MenuBuilder b(this);
    auto traces = [&](QMenu* m, const std::vector<const char*>& names) {
        b.items(m, {"-"});
        b.items(m, names);
    };
    QMenu* entradas = b.popup("PopupEntradas");
    b.items(entradas, {"miContatoNormalmenteAberto", "miContantoNormalmenteFechado",
                       "miContatoporBordaPositiva", "miContatoporBordaNegativa", "-",
                       "miAlteraSimboloContato", "miAlterarEnderecoContato"});
    traces(entradas, {"miInseretracoVertical", "miApagatracoVertical", "miInserirtracoHorizontal",
                      "miCompletatracoHorizontal"});

    QMenu* saidas = b.popup("PopupSaidas");
    b.items(saidas, {"miSaidaSimples", "miSaidaComplementar", "miBobinaSet", "miBobinaReset", "-",
                     "miAlterarSimboloSaidas", "miAlterarEnderecoSaidas"});
    traces(saidas, {"miInserirtracoVertical2", "miApagatracovertical2", "miInserirtracohorizontal2",
                    "miCompletatracohorizontal2"});

    QMenu* temp = b.popup("PopupMenuTemp");
    b.items(temp, {"miTON", "miTOFF", "miTP", "-", "miIdentificadorTime", "miPresetTimer"});
    QMenu* base = b.menu(temp, "miBaseTimer");
    for (const char* name : {"miBase1s", "miBase01s", "miBase001s", "miBase0001s"}) {
        b.item(base, name)->setCheckable(true);
    }
    traces(temp, {"miInserirtracoVertical3", "miApagatracovertical3", "miInserirtracohorizontal3",
                  "miCompletatracohorizontal3"});

    QMenu* cont = b.popup("PopupCont");
    b.items(cont, {"miContadorUP", "miContadorDown", "-", "miIdentificador", "miPreset"});
    traces(cont, {"miInserirtracoVertical4", "miApagatracovertical4", "miInserirtracohorizontal4",
                  "miCompletatracohorizontal4"});

    QMenu* opMat = b.popup("PopupOpMat");
    b.items(opMat, {"MISoma_B", "MISubtracao_B", "MIMultiplicacao_B", "MIDivisao_B", "MISoma_W",
                    "MISubtracao_W", "MIMultiplicacao_W", "MIDivisao_W", "-", "miAltOp1",
                    "miAltOp2", "miAltOp3"});
    traces(opMat, {"miInsereTracovertical5", "miApagaTracoVertical5", "miInsereTracoHorizontal5",
                   "miCompletaTracoHorizontal5"});

    QMenu* comp = b.popup("PopupComp");
    b.items(comp, {"MIigual", "MiMaior", "MiMaiorIgual", "MiMenor", "Mimenorigual", "Midiferente",
                   "-", "MiAltOp1Comp", "MiAltOp2Comp"});
    traces(comp, {"miInserirtracoVertical6", "miApagartracovertical6", "miInserirTracoHorizontal6",
                  "miCompletaTracoHorizontal6"});

    QMenu* avancadas = b.popup("PopupAvancadas");
    b.items(avancadas, {"miMove", "miMovPDest", "miMovPOri", "miCr1", "-", "miAltOpr1", "miAltOpr2",
                        "miEditar"});
    traces(avancadas, {"miInserirTracoVertical7", "miApagarTracoVertical7",
                       "miInserirTracoHorizontal7", "miCompletaTracoHorizontal7"});

    QMenu* hmiTree = b.popup("PopupMenu1");
    b.items(hmiTree, {"miApagarGrupo", "miEditarGrupo", "miGrupoMestre", "-", "miApagarPagina",
                      "miEditarPagina"});

    QMenu* force = b.popup("PopupForce");
    b.items(force, {"Forceopr01", "Excluiopr01", "Traco01", "Forceopr02", "Excluiopr02", "Traco02",
                    "Forceopr03", "Excluiopr03"});
}

void MainWindow::applyNoProjectState() {
    setWindowTitle(QStringLiteral("Velmora"));
    showPage(StartPage);
    // Commands whose work is not wired yet are present but disabled; the project menus
    // appear once a project is open.
    const QStringList alwaysOn = {QStringLiteral("miSair"), QStringLiteral("miSobreVelmora"),
                                  QStringLiteral("TbHelp"), QStringLiteral("miConteudo"),
                                  QStringLiteral("miConjuntodeInstrucoes")};
    for (QAction* a : findChildren<QAction*>()) {
        if (a->isSeparator() || a->menu() != nullptr || a->objectName().isEmpty()) {
            continue;
        }
        a->setEnabled(alwaysOn.contains(a->objectName()));
    }
    for (const char* name : {"miEdicao", "miExibir", "miFerramentas", "miCLP"}) {
        if (auto* m = findChild<QMenu*>(QString::fromLatin1(name))) {
            m->menuAction()->setVisible(false);
        }
    }
    for (const char* name : {"TbIHM", "TbListaInstrucao"}) {
        if (auto* a = findChild<QAction*>(QString::fromLatin1(name))) {
            a->setVisible(false);
        }
    }
}

void MainWindow::retranslate() {
    const LanguageTable& table = ws_.language.table;
    const int current = ws_.language.current;
    for (const CaptionEntry& e : mainWindowCaptions()) {
        const QString text = toQt(TextoMensagem(table, current, e.message));
        const QString name =
            QString::fromLatin1(e.component.data(), static_cast<qsizetype>(e.component.size()));
        for (QObject* o : findChildren<QObject*>(name)) {
            applyCaption(o, text, e.role == CaptionRole::Hint);
        }
    }
}

void MainWindow::showPage(Page page) {
    notebook_->setCurrentIndex(page);
}

MainWindow::Page MainWindow::currentPage() const {
    return static_cast<Page>(notebook_->currentIndex());
}

void MainWindow::closeEvent(QCloseEvent* event) {
    endSession(ws_, prompts());
    QMainWindow::closeEvent(event);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        retranslate();
    }
    QMainWindow::changeEvent(event);
}

void MainWindow::handleUnexpectedError(const std::string& what) {
    // Nothing can be stored yet, so the work in memory stays as it is: the error is kept in
    // the memo, reported, and the program goes on.
    frmListadeInstrucao_->appendException(toQt(what));
    prompts_->error(what);
}

void MainWindow::showAbout() {
    if (about_.isNull()) {
        about_ = new USplash(this);
        about_->setWindowFlag(Qt::Window);
    }
    about_->show();
    about_->raise();
}

} // namespace velmora::gui
