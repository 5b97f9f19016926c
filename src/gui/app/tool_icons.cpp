#include "gui/app/tool_icons.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QStyle>

namespace velmora::gui {

namespace {

// A short symbol for each button without a standard icon.
const QHash<QString, QString>& symbols() {
    static const QHash<QString, QString> table = {
        {"TbImprimir", "Imp"},
        {"TbRecortar", "Rec"},
        {"TbCopiar", "Cop"},
        {"TbColar", "Col"},
        {"TbCompila", "\u2714"},
        {"TbInsereLogica", "+L"},
        {"TbConectar", "On"},
        {"TbDesconectar", "Off"},
        {"TbDownLoad", "\u2193"},
        {"TbUpload", "\u2191"},
        {"TbRun", "\u25B6"},
        {"TbStop", "\u25A0"},
        {"TbMonitorar", "Mon"},
        {"TbPMonitorar", "||"},
        {"TbTabSimb", "Sim"},
        {"TbTabComp", "Cmp"},
        {"TbTabRec", "Rct"},
        {"TbLadder", "LD"},
        {"TbListaInstrucao", "IL"},
        {"TbIHM", "IHM"},
        {"TbMantendo", "Fix"},
        {"TbTho", "\u2014"},
        {"TbPreenche", "\u2192"},
        {"TbTVE", "|"},
        {"TbApagaTVE", "x|"},
        {"TBCNA", "| |"},
        {"TbCNF", "|/|"},
        {"TbCBP", "|P|"},
        {"TbCBN", "|N|"},
        {"TBBOB", "( )"},
        {"TBBON", "(/)"},
        {"TBBOS", "(S)"},
        {"TBBOR", "(R)"},
        {"TBTON", "TON"},
        {"TBTOFF", "TOF"},
        {"TBTP", "TP"},
        {"TBCUP", "CU"},
        {"TBCDO", "CD"},
        {"TBCUD", "CUD"},
        {"TBSUM_B", "+b"},
        {"TBSUB_B", "-b"},
        {"TBMUL_B", "*b"},
        {"TBDIV_B", "/b"},
        {"TBSUM_W", "+w"},
        {"TBSUB_W", "-w"},
        {"TBMUL_W", "*w"},
        {"TBDIV_W", "/w"},
        {"TbIgual_B", "=b"},
        {"TbMaior_B", ">b"},
        {"TbMaiorIgual_B", ">=b"},
        {"TbMenor_B", "<b"},
        {"TbMenorIgual_B", "<=b"},
        {"TbDiferente_B", "<>b"},
        {"TbIgual_W", "=w"},
        {"TbMaior_W", ">w"},
        {"TbMaiorIgual_W", ">=w"},
        {"TbMenor_W", "<w"},
        {"TbMenorIgual_W", "<=w"},
        {"TbDiferente_W", "<>w"},
        {"TBMBB", "Mbb"},
        {"TBMWW", "Mww"},
        {"TBMBW", "Mbw"},
        {"TBMWB", "Mwb"},
        {"Tbmovp_dest_B", "Pdb"},
        {"Tbmovp_ori_B", "Pob"},
        {"Tbmovp_dest_W", "Pdw"},
        {"Tbmovp_ori_W", "Pow"},
        {"TbCR", "CR"},
        {"TbJUMP", "JMP"},
        {"TbCALL", "CAL"},
        {"TbPID", "PID"},
        {"TbOPR", "OPR"},
        {"TBNovoGrupo", "+G"},
        {"TBExcluiGrupo", "-G"},
        {"TbNovaPagina", "+P"},
        {"TbExcluiPagina", "-P"},
        {"TbSobe", "\u25B2"},
        {"TbDesce", "\u25BC"},
        {"TBSenha", "***"},
        {"TBCampoEdit", "Ed"},
        {"TbCampoVis", "Vi"},
        {"TbCampoString", "St"},
        {"TbCampoSelet", "Se"},
        {"tbBarGraph", "Bar"},
        {"tbReceitas", "Rc"},
        {"TbCentro", "\u2261"},
        {"TbEsquerda", "\u2190"},
        {"TbDireita", "\u2192"},
    };
    return table;
}

QIcon symbolIcon(const QString& symbol) {
    QPixmap pm(48, 48);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(symbol.size() <= 2 ? 26 : symbol.size() == 3 ? 18 : 14);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0, 0, 128));
    p.drawText(pm.rect(), Qt::AlignCenter, symbol);
    return QIcon(pm);
}

} // namespace

QIcon toolIcon(const QString& component) {
    QStyle* style = QApplication::style();
    if (component == QStringLiteral("TbNovo")) {
        return style->standardIcon(QStyle::SP_FileIcon);
    }
    if (component == QStringLiteral("TbAbrir")) {
        return style->standardIcon(QStyle::SP_DialogOpenButton);
    }
    if (component == QStringLiteral("TbSalvar")) {
        return style->standardIcon(QStyle::SP_DialogSaveButton);
    }
    if (component == QStringLiteral("TbHelp")) {
        return style->standardIcon(QStyle::SP_DialogHelpButton);
    }
    const auto it = symbols().find(component);
    return symbolIcon(it != symbols().end() ? it.value() : component.left(3));
}

} // namespace velmora::gui
