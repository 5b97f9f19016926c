#!/usr/bin/env python3
"""Writes data/ConfigIdiomas.txt, the shipped language table.

The rows below are the source of truth for the shipped texts; the data file is generated from
them as Windows-1252 text with CR LF line ends and a ";" after every field, which is what the
program reads at start-up. Run from anywhere:  python3 scripts/ConfigIdiomas.py

Each row is  number|location and use|Portuguese|English  (no "|" and no ";" inside a text).
Field 1 tells the translator where the text appears, what fills its placeholders and how long
it may be. Texts keep their leading and trailing blanks.
"""

import pathlib
import re
import sys

HEADER = ["ID", "Local/Descrição", "Português", "English"]
LAST_MESSAGE = 465

# Messages filled with arguments: number -> argument count. Must agree with
# src/core/lang/message_args.cpp (the language file test checks the file against that table).
ARGUMENTS = {1: 1, 11: 1, 215: 1, 240: 1, 243: 1, 244: 1, 246: 1, 260: 2, 432: 1, 453: 1,
             460: 1, 461: 2, 462: 2, 463: 2, 464: 1, 465: 1}

# Texts that are also HMI group names (at most 32 characters; 333 gets " - " and a count).
GROUP_NAMES = {333: 26, 426: 32, 427: 32}

UNUSED = "Reservado: nenhuma janela usa esta mensagem"

ROWS = r"""
1|Comunicação - abertura da porta guardada nas configurações ao iniciar (caixa de informação). [0] = nome da porta|Não foi possível abrir a porta serial [0].|Could not open the serial port [0].
2|Novo projeto (TFrmDadosProjeto) - título da janela|Novo Projeto|New Project
3|Novo projeto - aba de dados|Dados|Data
4|Novo projeto - aba de localização|Localização|Location
5|Novo projeto - grupo do nome do projeto (EditNome)|Nome do projeto|Project name
6|Novo projeto - grupo do autor (EditAutor)|Autor|Author
7|Novo projeto - botão OK|OK|OK
8|Novo projeto - botão Cancelar|Cancelar|Cancel
9|Novo projeto - grupo da pasta do projeto (unidade e pastas)|Localização do projeto|Project location
10|Novo projeto - OK quando já existe um arquivo .VLP com o nome na pasta (confirmação Sim/Não, Sim substitui)|Já existe um projeto com este nome nesta pasta. Deseja substituí-lo?|A project with this name already exists in this folder. Do you want to replace it?
11|Ladder - cabeçalho de cada lógica, seguido de ": " e do título. [0] = número da lógica com três dígitos|Lógica [0]|Logic [0]
12|Janela principal - menu miProjeto|&Projeto|&Project
13|Janela principal - menu miEdicao e item miEditar dos menus de contexto do ladder|&Editar|&Edit
14|Janela principal - menu miExibir|E&xibir|&View
15|Janela principal - menu miFerramentas|&Ferramentas|&Tools
16|Janela principal - menu miCLP|&CLP|P&LC
17|Janela principal - menu miConfiguracoes|C&onfigurações|&Settings
18|Janela principal - menu miAjuda|A&juda|&Help
19|Menu Projeto - item miNovo|&Novo|&New
20|Menu Projeto - item miABrir|&Abrir...|&Open...
21|Menu Projeto - item miFechar|&Fechar|&Close
22|Menu Projeto - item miSalvar|&Salvar|&Save
23|Menu Projeto - item miSalvarComo|Salvar &como...|Save &as...
24|Menu Projeto - item miImprimir|&Imprimir...|&Print...
25|Menu Projeto - item miSair. Também o botão de fechar da tabela de receitas (BitBtn1)|Sai&r|E&xit
26|Menu Editar - item miInserirLogica. Também o título da caixa que pede a posição da nova lógica (sem &)|Inserir lógica|Insert logic
27|Menu Editar - item miIrParLogica|Ir para lógica...|Go to logic...
28|Menu Editar - item miCopiarLogica|Copiar lógica|Copy logic
29|Menu Editar - item miRecortarLogica|Recortar lógica|Cut logic
30|Menu Editar - item miColarLogica|Colar lógica|Paste logic
31|Menu Editar - item miApagarLogica|Apagar lógica|Delete logic
32|Menu Editar - item miCopiarBlocoLogicas|Copiar bloco de logicas|Copy block of logics
33|Menu Editar - item miRecortaBlocoLogicas|Recortar bloco de lógicas|Cut block of logics
34|Menu Editar - submenu miColaBlocoLogicas|Cola bloco de lógicas|Paste block of logics
35|Menu Editar - Cola bloco de lógicas - item miApartirdoProprioPrograma|a partir do próprio programa|from the program itself
36|Menu Editar - Cola bloco de lógicas - item miAPartirdaAreaTransferencia|a partir da área de transferência|from the clipboard
37|Menu Editar - item miApagaBlocoLogicas|Apaga bloco de lógicas|Delete block of logics
38|Menu Editar - item miCopiarAreaMarcada|&Copiar área marcada|&Copy marked area
39|Menu Editar - item miRecortarAreaMarcada|&Recortar área marcada|Cu&t marked area
40|Menu Editar - item miColarAreaMarcada|Co&lar área marcada|&Paste marked area
41|Menu Editar - submenu miInserirnaLogica|Inserir na lógica|Insert into logic
42|Menu Editar - Inserir na lógica - item miInserirLinha|Inserir linha|Insert row
43|Menu Editar - Inserir na lógica - item miInserirColuna|Inserir coluna|Insert column
44|Menu Exibir - item miLadder|Ladder|Ladder
45|Menu Exibir - item miIHM|IHM|HMI
46|Menu Exibir - item miExibeEndereco. Também cabeçalho de coluna (endereço) da tabela de símbolos, da aba Uploads do monitor serial e da tabela de campos impressa (sem &)|Endereço|Address
47|Menu Exibir - item miExibeSimbolo. Também cabeçalho de coluna (símbolo) da tabela de símbolos e da impressão (sem &)|Símbolo|Symbol
48|Menu Exibir - item miEnderecoSimbolo|Símbolo e endereço|Symbol and address
49|Menu Ferramentas - item miTabeladeSimbolos|Tabela de símbolos|Symbol table
50|Menu Ferramentas - item miTabeladeCompartilhamento|Tabela de compartilhamento|Sharing table
51|Menu Ferramentas - item miTabeladeReceitas. Também no título "Velmora - " + texto da caixa que pede um operando da receita (sem &)|Tabela de receitas|Recipe table
52|Menu Editar - item miBuscaInstrucao|Busca instrução|Search instruction
53|Menu Editar - item miProximaBuscaIbstrucao|Próxima busca instrução|Next instruction search
54|Menu Editar - item miBuscaOperando|Busca operando|Search operand
55|Menu Editar - item miProximaBuscaOperando|Próxima busca operando|Next operand search
56|Menu Editar - item miSubstituirOperando. Também o título da janela TFrmSubstituiEndereco (sem &)|Substituir operando|Replace operand
57|Menu CLP - item miConectar|&Conectar|&Connect
58|Menu CLP - item miDesconectar|&Desconectar|&Disconnect
59|Menu CLP - item miDownLoad|Do&wnload|Do&wnload
60|Menu CLP - item miUpLoad|&Upload|&Upload
61|Menu CLP - item miRun|&Run|&Run
62|Menu CLP - item miStop|&Stop|&Stop
63|Menu CLP - item miMonitorar (liga e desliga o monitoramento)|&Monitorar|&Monitor
64|Menu CLP - item miCompara|Compara|Compare
65|Menu CLP - item miApagaMemoria|Apaga Memória|Erase Memory
66|Menu CLP - item mimemoriaUsada|Memória utilizada|Memory used
67|Menu CLP - item miConfigurarelogio|Configura relógio|Set clock
68|Menu Configurações - item MIConfiguraComunicacao (porta serial)|Comunicação|Communication
69|Menu Configurações - item miGerais (configuração geral do CLP)|Gerais|General
70|Menu Configurações - item miTemporizadores|Temporizadores ( Ladder )|Timers ( Ladder )
71|Menu Configurações - item miContadores|Contadores ( Ladder )|Counters ( Ladder )
72|Menu Ajuda - item miConteudo|Conteúdo|Contents
73|Menu Ajuda - item miConjuntodeInstrucoes|Conjunto de instruções|Instruction set
74|Menu Ajuda - item miSobreVelmora|Sobre o Velmora|About Velmora
75|Projeto - pergunta antes de fechar, abrir, criar, sair, transferir ou ler com o projeto modificado (Sim/Não ou Sim/Não/Cancelar)|O projeto foi modificado. Deseja salvar as alterações?|The project has been modified. Do you want to save the changes?
76|Menu de contexto aritmético - item MISoma_B|Soma byte|Add byte
77|Menu de contexto aritmético - item MISubtracao_B|Subtrai byte|Subtract byte
78|Menu de contexto aritmético - item MIMultiplicacao_B|Multiplica byte|Multiply byte
79|Menu de contexto aritmético - item MIDivisao_B|Divide byte|Divide byte
80|Menu de contexto aritmético - item MISoma_W|Soma word|Add word
81|Menu de contexto aritmético - item MISubtracao_W|Subtrai word|Subtract word
82|Menu de contexto aritmético - item MIMultiplicacao_W|Multiplica word|Multiply word
83|Menu de contexto aritmético - item MIDivisao_W|Divide word|Divide word
84|Menus de contexto - itens miAltOp1, miAltOpr1 e MiAltOp1Comp|Alterar 1.o operando|Change 1st operand
85|Menus de contexto - itens miAltOp2, miAltOpr2 e MiAltOp2Comp|Alterar 2.o operando|Change 2nd operand
86|Menu de contexto aritmético - item miAltOp3|Alterar 3.o operando|Change 3rd operand
87|Menus de contexto do ladder - itens miInseretracoVertical (todos os menus)|Inserir traço vertical|Insert vertical line
88|Menus de contexto do ladder - itens miApagatracoVertical (todos os menus)|Apagar traço vertical|Delete vertical line
89|Menus de contexto do ladder - itens miInserirtracoHorizontal (todos os menus)|Inserir traço horizontal|Insert horizontal line
90|Menus de contexto do ladder - itens miCompletatracoHorizontal (todos os menus)|Completa traço horizontal|Complete horizontal line
91|IHM - menu de contexto da árvore - item miApagarGrupo|Apagar grupo|Delete group
92|IHM - menu de contexto da árvore - item miEditarGrupo (renomear)|Editar grupo|Edit group
93|IHM - menu de contexto da árvore - item miGrupoMestre|Grupo mestre|Master group
94|IHM - menu de contexto da árvore - item miApagarPagina|Apagar página|Delete page
95|IHM - menu de contexto da árvore - item miEditarPagina|Editar página|Edit page
96|Menu de contexto avançado - item miMove|Move|Move
97|Menu de contexto avançado - item miMovPDest|Move byte com ponteiro no destino|Move byte with pointer at destination
98|Menu de contexto avançado - item miMovPOri|Move byte com ponteiro na origem|Move byte with pointer at source
99|Menu de contexto avançado - item miCr1|Contador rápido|Fast counter
100|Menu de contexto de contador - item miContadorUP|Contador Up|Up counter
101|Menu de contexto de contador - item miContadorDown|Contador Down|Down counter
102|Menu de contexto de contador - item miIdentificador|Identificador|Identifier
103|Menu de contexto de contador - item miPreset|Preset|Preset
104|Menu de contexto de comparação - item MIigual|Igual|Equal
105|Menu de contexto de comparação - item MiMaior|Maior|Greater
106|Menu de contexto de comparação - item MiMaiorIgual|Maior igual|Greater or equal
107|Menu de contexto de comparação - item MiMenor|Menor|Less
108|Menu de contexto de comparação - item Mimenorigual|Menor igual|Less or equal
109|Menu de contexto de comparação - item Midiferente|Diferente|Not equal
110|Menu de contexto de saídas - item miSaidaSimples|Bobina Simples|Simple coil
111|Menu de contexto de saídas - item miSaidaComplementar|Bobina Complementar|Complementary coil
112|Menu de contexto de saídas - item miBobinaSet|Bobina Set|Set coil
113|Menu de contexto de saídas - item miBobinaReset|Bobina Reset|Reset coil
114|Menus de contexto de saídas e de contatos - itens miAlterarSimboloSaidas e miAlteraSimboloContato|Alterar Simbolo|Change symbol
115|Menus de contexto de saídas e de contatos - itens miAlterarEnderecoSaidas e miAlterarEnderecoContato|Alterar Endereço|Change address
116|Menu de contexto de temporizador - item miTON|Temporizador na energização|On-delay timer
117|Menu de contexto de temporizador - item miTOFF|Temporizador da desernegização|Off-delay timer
118|Menu de contexto de temporizador - item miTP|Temporizador de pulso|Pulse timer
119|Menu de contexto de temporizador - item miIdentificadorTime|Identificador|Identifier
120|Menu de contexto de temporizador - item miPresetTimer|Preset|Preset
121|Menu de contexto de temporizador - submenu miBaseTimer|Base de Tempo|Time base
122|Menu de contexto de contatos - item miContatoNormalmenteAberto|Contato normalmente aberto|Normally open contact
123|Menu de contexto de contatos - item miContantoNormalmenteFechado|Contanto normalmente fechado|Normally closed contact
124|Menu de contexto de contatos - item miContatoporBordaPositiva|Contato por borda positiva|Positive edge contact
125|Menu de contexto de contatos - item miContatoporBordaNegativa|Contato por borda negativa |Negative edge contact
126|Janela principal - dica do botão TbNovo|Novo projeto|New project
127|Janela principal - dica do botão TbAbrir|Abrir projeto|Open project
128|Janela principal - dica do botão TbSalvar|Salvar projeto|Save project
129|Janela principal - dica do botão TbImprimir|Imprimir|Print
130|Janela principal - dica do botão TbRecortar|Recortar|Cut
131|Janela principal - dica do botão TbCopiar|Copiar|Copy
132|Janela principal - dica do botão TbColar|Colar|Paste
133|Janela principal - dica do botão TbCompila|Compilar Lógica|Compile logic
134|Janela principal - dica do botão TbInsereLogica|Inserir lógica|Insert logic
135|Janela principal - dica do botão TbConectar|Conectar ao CLP|Connect to the PLC
136|Janela principal - dica do botão TbDesconectar|Desconectar do CLP|Disconnect from the PLC
137|Janela principal - dica do botão TbDownLoad|Transferir programa para o CLP|Send program to the PLC
138|Janela principal - dica do botão TbUpload|Ler programa do CLP|Read program from the PLC
139|Janela principal - dica do botão TbRun|Colocar o CLP em Run|Put the PLC in Run
140|Janela principal - dica do botão TbStop|Colocar o CLP em Stop|Put the PLC in Stop
141|Janela principal - dica do botão TbMonitorar|Monitorar|Monitor
142|Janela principal - dica do botão TbPMonitorar|Parar monitoramento|Stop monitoring
143|Janela principal - dica do botão TbTabSimb|Tabela de símbolos|Symbol table
144|Janela principal - dica do botão TbTabComp|Tabela de compartilhamento|Sharing table
145|Janela principal - dica do botão TbTabRec|Tabela de receitas|Recipe table
146|Janela principal - dica do botão TbLadder|Editar diagrama ladder|Edit ladder diagram
147|Janela principal - dica do botão TbIHM|Editar programa da IHM|Edit HMI program
148|Janela principal - dica do botão TbHelp|Ajuda|Help
149|Ladder - dica do botão TbMantendo|Mantem o cursor com o ultimo componente inserido|Keep the cursor on the last inserted component
150|Ladder - dica do botão TbTho|Traço Horizontal|Horizontal line
151|Ladder - dica do botão TbPreenche|Completa traço horizontal|Complete horizontal line
152|Ladder - dica do botão TbTVE|Traço vertical|Vertical line
153|Ladder - dica do botão TbApagaTVE|Apaga traço vertical|Delete vertical line
154|Ladder - dica do botão TBCNA|Contato normalmente aberto|Normally open contact
155|Ladder - dica do botão TbCNF|Contato normalmente fechado|Normally closed contact
156|Ladder - dica do botão TbCBP|Contato por borda positiva|Positive edge contact
157|Ladder - dica do botão TbCBN|Contato por borda negativa|Negative edge contact
158|Ladder - dica do botão TBBOB|Bobina simples|Simple coil
159|Ladder - dica do botão TBBON|Bobina complementar|Complementary coil
160|Ladder - dica do botão TBBOS|Bobina set|Set coil
161|Ladder - dica do botão TBBOR|Bobina reset|Reset coil
162|Ladder - dica do botão TBTON|Temporizador na energização (TON)|On-delay timer (TON)
163|Ladder - dica do botão TBTOFF|Temporizador na desenergização (TOFF)|Off-delay timer (TOFF)
164|Ladder - dica do botão TBTP|Temporizador de pulso (TP)|Pulse timer (TP)
165|Ladder - dica do botão TBCUP|Contador up|Up counter
166|Ladder - dica do botão TBCDO|Contador down|Down counter
167|Ladder - dica do botão TBCUD|Contador up-down|Up-down counter
168|Ladder - dica do botão TBSUM_B|Soma byte|Add byte
169|Ladder - dica do botão TBSUB_B|Subtrai byte|Subtract byte
170|Ladder - dica do botão TBMUL_B|Multiplica byte|Multiply byte
171|Ladder - dica do botão TBDIV_B|Divide byte|Divide byte
172|Ladder - dica do botão TBSUM_W|Soma word|Add word
173|Ladder - dica do botão TBSUB_W|Subtrai word|Subtract word
174|Ladder - dica do botão TBMUL_W|Multiplica word|Multiply word
175|Ladder - dica do botão TBDIV_W|Divide word|Divide word
176|Ladder - dica do botão TbIgual_B|Igual (byte)|Equal (byte)
177|Ladder - dica do botão TbMaior_B|Maior (byte)|Greater (byte)
178|Ladder - dica do botão TbMaiorIgual_B|Maior ou igual (byte)|Greater or equal (byte)
179|Ladder - dica do botão TbMenor_B|Menor (byte)|Less (byte)
180|Ladder - dica do botão TbMenorIgual_B|Menor ou igual (byte)|Less or equal (byte)
181|Ladder - dica do botão TbDiferente_B|Diferente (byte)|Not equal (byte)
182|Ladder - dica do botão TbIgual_W|Igual (word)|Equal (word)
183|Ladder - dica do botão TbMaior_W|Maior (word)|Greater (word)
184|Ladder - dica do botão TbMaiorIgual_W|Maior ou igual (word)|Greater or equal (word)
185|Ladder - dica do botão TbMenor_W|Menor (word)|Less (word)
186|Ladder - dica do botão TbMenorIgual_W|Menor ou igual (word)|Less or equal (word)
187|Ladder - dica do botão TbDiferente_W|Diferente (word)|Not equal (word)
188|Ladder - dica do botão TBMBB|Move byte para byte|Move byte to byte
189|Ladder - dica do botão TBMWW|Move word para word|Move word to word
190|Ladder - dica do botão TBMBW|Move byte para word|Move byte to word
191|Ladder - dica do botão TBMWB|Move word para byte|Move word to byte
192|Ladder - dica do botão Tbmovp_dest_B|Move byte com ponteiro no destino|Move byte with pointer at destination
193|Ladder - dica do botão Tbmovp_ori_B|Move byte com ponteiro na origem|Move byte with pointer at source
194|Ladder - dica do botão Tbmovp_dest_W|Move word com ponteiro no destino|Move word with pointer at destination
195|Ladder - dica do botão Tbmovp_ori_W|Move word com ponteiro na origem|Move word with pointer at source
196|Ladder - dica do botão TbCR|Contador rápido|Fast counter
197|IHM - rótulo LabelLinkTeclaEsq sobre a lista CBOP1 (grupo chamado pela tecla OP1)|Tecla OP1|OP1 key
198|IHM - rótulo LabelLinkTeclaDir sobre a lista CBOP2 (grupo chamado pela tecla OP2)|Tecla OP2|OP2 key
199|IHM - dica do botão TBNovoGrupo|Novo grupo de páginas|New page group
200|IHM - dica do botão TBExcluiGrupo|Exclui grupo de páginas|Delete page group
201|IHM - dica do botão TbNovaPagina|Nova página|New page
202|IHM - dica do botão TbExcluiPagina|Exclui página|Delete page
203|IHM - dica do botão TbSobe|Sobe grupo/página|Move group/page up
204|IHM - dica do botão TbDesce|Desce grupo/página|Move group/page down
205|IHM - dica do botão TBSenha|Senha|Password
206|IHM - dica do botão TBCampoEdit|Campo de edição|Edit field
207|IHM - dica do botão TbCampoVis|Campo de visualização|View field
208|IHM - dica do botão TbCampoString|Campo string|String field
209|IHM - dica do botão TbCampoSelet|Campo seletor|Selector field
210|IHM - dica do botão tbBarGraph|Campo bargraph|Bargraph field
211|IHM - dica do botão tbReceitas|Insere páginas de manipulação de arquivos de receitas|Insert the recipe file handling pages
212|IHM - dica do botão TbCentro|Centralizar|Centre
213|IHM - dica do botão TbEsquerda|Alinhar à esquerda|Align left
214|IHM - dica do botão TbDireita|Alinhar à direita|Align right
215|Ladder - bobina cujo endereço já é escrito por outra bobina (caixa de erro). [0] = número da lógica onde o endereço foi achado|Este endereço de saída já é utilizado na lógica [0].|This output address is already used in logic [0].
216|Ladder - bobina numa lógica que tem bloco de dados (caixa de informação)|Não é permitido inserir bobinas em uma lógica com bloco de dados.|Coils cannot be placed in a logic that holds a data block.
217|Ladder - segundo temporizador ou contador na mesma lógica (caixa de informação)|Só é permitido um temporizador ou contador por lógica.|Only one timer or counter is allowed in a logic.
218|Ladder - segundo bloco de dados (aritmético ou move) na mesma lógica (caixa de informação)|Só é permitido um bloco de dados por lógica.|Only one data block is allowed in a logic.
219|Ladder - bloco move numa lógica que tem bobinas (caixa de informação)|Não é permitido inserir um bloco move em uma lógica com bobinas.|A move block cannot be placed in a logic that holds coils.
220|Ladder - apagar traço vertical antes da coluna das bobinas com bobinas abaixo (caixa de informação)|Não é possível apagar este traço vertical: existem bobinas nas linhas abaixo.|This vertical line cannot be deleted: there are coils in the rows below.
221|Erro inesperado - o projeto não pôde ser salvo e foi fechado, a porta já foi configurada nesta execução (caixa de erro)|Ocorreu um erro inesperado e o projeto não pôde ser salvo. O projeto foi fechado. Verifique a configuração da porta serial.|An unexpected error occurred and the project could not be saved. The project has been closed. Check the serial port settings.
222|Erro inesperado - o projeto não pôde ser salvo e foi fechado (caixa de erro)|Ocorreu um erro inesperado e o projeto não pôde ser salvo. O projeto foi fechado.|An unexpected error occurred and the project could not be saved. The project has been closed.
223|IHM - campo selecionado sem espaço livre à direita (caixa de informação)|Não há espaço livre à direita para mover o campo.|There is no free space to the right to move the field.
224|IHM - campo selecionado sem espaço livre à esquerda (caixa de informação)|Não há espaço livre à esquerda para mover o campo.|There is no free space to the left to move the field.
225|Comandos que exigem nenhuma lógica em edição (caixa de informação)|Feche a lógica em edição antes de usar este comando.|Close the logic being edited before using this command.
226|Ladder - validação da lógica: elemento sem operando (caixa de erro)|Existe um elemento sem operando na lógica.|An element of the logic has no operand.
227|Ladder - validação da lógica: elemento sem ligação (caixa de erro)|Existe um elemento sem ligação na lógica.|An element of the logic is not connected.
228|Ladder - validação da lógica: segunda entrada do contador sem ligação à esquerda (caixa de erro)|A segunda entrada do contador não está ligada.|The second input of the counter is not connected.
229|Ladder - tecla Delete com área marcada (confirmação Sim/Não)|Deseja apagar a área marcada?|Do you want to delete the marked area?
230|Ladder - tecla Delete sobre um elemento (confirmação Sim/Não)|Deseja apagar o elemento?|Do you want to delete the element?
231|IHM - tecla Delete sobre o campo selecionado (confirmação Sim/Não)|Deseja apagar o campo selecionado?|Do you want to delete the selected field?
232|Ladder - colocar um elemento sobre uma célula ocupada (confirmação Sim/Não)|Já existe um elemento nesta posição. Deseja substituí-lo?|There is already an element at this position. Do you want to replace it?
233|Comunicação - conectar, desconectar, run, stop, monitorar ou transferir com uma lógica em edição (caixa de erro)|Não é permitido com uma lógica em edição. Feche a lógica antes.|Not allowed while a logic is being edited. Close the logic first.
234|Comunicação - Run (confirmação Sim/Não)|Deseja colocar o CLP em Run?|Do you want to put the PLC in Run?
235|Projeto - abrir um projeto recente cujo arquivo não existe (caixa de informação)|O arquivo do projeto não foi encontrado.|The project file was not found.
236|Busca de operando - nada encontrado (caixa de informação)|Operando não encontrado.|Operand not found.
237|IHM - novo grupo com nome longo demais (caixa de informação)|O nome do grupo deve ter no máximo 23 caracteres.|The group name must have at most 23 characters.
238|IHM - novo grupo com nome vazio (caixa de informação)|Digite o nome do grupo.|Enter the group name.
239|IHM - novo grupo ou renomear com um nome que já existe|Já existe um grupo com este nome.|A group with this name already exists.
240|IHM - excluir grupo (confirmação Sim/Não). [0] = texto do grupo na árvore|Deseja realmente excluir o grupo [0]?|Do you really want to delete the group [0]?
241|IHM - nova página ou editar página com um número já usado|Este número de página já está sendo utilizado.|This page number is already in use.
242|Menu CLP - Configura relógio sem o CLP conectado (caixa de informação)|O CLP não está conectado.|The PLC is not connected.
243|Projeto - Salvar como sobre um arquivo existente (Sim/Não). [0] = nome do arquivo|O arquivo [0] já existe. Deseja substituí-lo?|The file [0] already exists. Do you want to replace it?
244|Editar - recortar lógica (confirmação Sim/Não). [0] = número da lógica|Deseja realmente recortar a lógica [0]?|Do you really want to cut logic [0]?
245|Impressão - botão TbImprimir com uma lógica em edição (caixa de informação)|Feche a lógica em edição antes de imprimir.|Close the logic being edited before printing.
246|IHM - excluir página (confirmação Sim/Não). [0] = texto da página na árvore|Deseja realmente excluir a página [0]?|Do you really want to delete the page [0]?
247|Projeto - salvar com uma lógica em edição que não está vazia (caixa de informação)|Não é possível salvar com uma lógica em edição. Confirme ou descarte a lógica antes de salvar.|The project cannot be saved while a logic is being edited. Confirm or discard the logic before saving.
248|{unused}|(não utilizado)|(not used)
249|IHM - bargraph numa linha que já tem campo (caixa de erro)|O bargraph ocupa a linha inteira e já existe um campo nesta linha.|A bargraph takes the whole row and this row already holds a field.
250|Tabela de símbolos e ladder - símbolo que outra linha já usa|Este símbolo já está sendo utilizado.|This symbol is already in use.
251|IHM - ligar tecla OP1 ou OP2 numa página com nível de senha (confirmação Sim/Não)|Esta página tem nível de senha. Ao ligar a tecla a um grupo a senha será retirada. Deseja continuar?|This page has a password level. Linking the key to a group removes the password. Do you want to continue?
252|IHM - páginas de receitas já inseridas|As páginas de receitas já foram inseridas.|The recipe pages have already been inserted.
253|Blocos de lógicas - lógica inicial maior que a quantidade de lógicas (caixa de erro)|A lógica inicial não existe.|The first logic does not exist.
254|Blocos de lógicas - lógica final menor que a inicial (caixa de erro)|A lógica final é menor que a lógica inicial.|The last logic is lower than the first logic.
255|Blocos de lógicas - lógica final maior que a quantidade de lógicas (caixa de erro)|A lógica final não existe.|The last logic does not exist.
256|{unused}|(não utilizado)|(not used)
257|Tabela de símbolos - símbolo que é um operando válido (caixa de erro)|O símbolo não pode ser um operando.|A symbol cannot be an operand.
258|Tabela de símbolos - símbolo que começa com % (caixa de erro)|O símbolo não pode começar com %.|A symbol cannot begin with %.
259|Comunicação - falha ao escrever na porta serial (caixa de erro)|Falha ao escrever na porta serial.|Writing to the serial port failed.
260|Download - modelo do CLP diferente do modelo do projeto (caixa de erro). [0] = modelo do CLP [1] = modelo do projeto|O modelo do CLP ([0]) é diferente do modelo do projeto ([1]). A transferência foi cancelada.|The PLC model ([0]) differs from the project model ([1]). The transfer has been cancelled.
261|Download - início da transferência (caixa de informação Sim/Não)|Deseja transferir o programa para o CLP?|Do you want to send the program to the PLC?
262|{unused}|(não utilizado)|(not used)
263|Menu CLP - Compara: programa do CLP achado no histórico (caixa de informação)|O programa do CLP é igual ao último programa transferido deste projeto.|The PLC program matches the last program transferred from this project.
264|Menu CLP - Compara: programa do CLP não achado no histórico (caixa de informação)|O programa do CLP é diferente do último programa transferido deste projeto.|The PLC program differs from the last program transferred from this project.
265|Comunicação - nenhuma porta guardada ao iniciar (caixa de informação, depois a janela da porta)|Nenhuma porta serial foi configurada. Escolha a porta de comunicação.|No serial port has been set up. Choose the communication port.
266|{unused}|(não utilizado)|(not used)
267|Comunicação - o CLP não respondeu (caixa de erro)|O CLP não respondeu. A comunicação foi interrompida.|The PLC did not answer. Communication has been stopped.
268|Endereço fora da faixa ou inválido - substituir operando, página e campo da IHM, tabela de símbolos|Endereço inválido.|Invalid address.
269|IHM - página de evento ou alarme sem endereço (caixa de erro)|Digite o endereço que ativa a página.|Enter the address that raises the page.
270|IHM - endereço de página de evento ou alarme que não é de bit (caixa de erro)|O endereço deve ser um operando de bit.|The address must be a bit operand.
271|IHM - nome de página que outra página já tem (caixa de erro)|Já existe uma página com este nome.|A page with this name already exists.
272|IHM - texto de campo string ou seletor com mais de 16 caracteres (caixa de informação)|O texto pode ter no máximo 16 caracteres e foi cortado.|A text can have at most 16 characters and has been cut.
273|{unused}|(não utilizado)|(not used)
274|Novo projeto - caractere não permitido no nome (caixa de erro)|Caractere inválido. Use apenas letras, números, espaço, _ e -.|Invalid character. Use only letters, digits, blank, _ and -.
275|Tabela de compartilhamento - apagar linha (confirmação Sim/Não)|Deseja apagar a linha selecionada?|Do you want to delete the selected row?
276|Tabela de receitas - operando que não é word (caixa de erro)|O operando da receita deve ser do tipo word.|A recipe operand must be a word operand.
277|Caixas que pedem um número - resposta que não é um número|Valor inválido. Digite um número.|Invalid value. Enter a number.
278|Ladder - elemento em paralelo com um temporizador (caixa de mensagem)|Não é permitido fazer ligações em paralelo com Temporizadores|Parallel connections with timers are not allowed
279|Compilação - acabaram as memórias de borda (caixa de mensagem)|Não há mais memórias de borda disponíveis.|No more edge memories are available.
280|Ir para lógica e copiar lógica - número maior que a quantidade de lógicas|Lógica inexistente.|Logic does not exist.
281|Comunicação - checksum errado no quadro recebido (caixa de mensagem)|Erro de checksum no quadro recebido.|Checksum error in the received frame.
282|Comunicação - byte final errado no quadro recebido (caixa de mensagem)|Erro no byte final do quadro recebido.|End byte error in the received frame.
283|Substituir operando - OK com um dos endereços vazio (caixa de mensagem)|Preencha o endereço atual e o novo endereço.|Fill in the current address and the new address.
284|{unused}|(não utilizado)|(not used)
285|{unused}|(não utilizado)|(not used)
286|Compilação - rede da lógica que não se reduz a um bloco (caixa de mensagem)|Erro na tradução da lógica para lista de instruções.|Error translating the logic into an instruction list.
287|{unused}|(não utilizado)|(not used)
288|Porta serial (TFrmCfgPortaSerial) - título da janela|Configuração da Porta Serial|Serial Port Settings
289|Porta serial - grupo da porta|Porta|Port
290|Porta serial - grupo da velocidade|Velocidade ( bytes / seg ) |Speed ( bytes / s ) 
291|Porta serial - grupo do tempo entre bytes|Tempo entre bytes|Time between bytes
292|Porta serial - rótulo do tempo entre bytes: baixo|Baixo|Low
293|Porta serial - rótulo do tempo entre bytes: médio|Médio|Medium
294|Porta serial - rótulo do tempo entre bytes: alto|Alto|High
295|Tabela de compartilhamento - cabeçalho da coluna 0 (função)|Função|Function
296|Tabela de compartilhamento (TFrmCompartilhamento) - título da janela|Compartilhamento|Sharing
297|Tabela de compartilhamento - cabeçalho da coluna 1 (estação destino)|Destino|Destination
298|Tabela de compartilhamento - cabeçalho da coluna 2|Endereço Inicial do Mestre|Master first address
299|Tabela de compartilhamento - cabeçalho da coluna 3|Fim operando|Master last address
300|Tabela de compartilhamento - cabeçalho da coluna 4|Inicio destino operando|Destination first address
301|Tabela de compartilhamento - cabeçalho da coluna 5|Fim destino operando|Destination last address
302|Campo da IHM (TFrmConfigCampo) - rótulo do endereço|Endereço|Address
303|Campo da IHM - rótulo do formato|Formato|Format
304|Campo da IHM - botão BitBtnInserirLinha|Inserir linha|Insert row
305|Campo da IHM - botão BitBtnAPagarLinha|Apagar linha|Delete row
306|Campo da IHM - rótulo do valor mínimo|Valor mínimo|Minimum value
307|Campo da IHM - rótulo do valor máximo|Valor máximo|Maximum value
308|Campo da IHM - título da janela|Configuração do Campo|Field Settings
309|Configuração geral (TFrmConfigGeral) - título da janela|Configuração Geral|General Settings
310|Configuração geral - grupo do canal RS232|Canal RS232|RS232 channel
311|Configuração geral - rótulo do endereço|Endereço|Address
312|Configuração geral - rótulo do protocolo|Protocolo|Protocol
313|Configuração geral - rótulo da velocidade|Velocidade|Speed
314|Configuração geral - grupo do canal RS485|Canal RS485|RS485 channel
315|Impressão (TFrmConfigImpressao) - aba do ladder|Ladder|Ladder
316|Impressão - caixas CBImprimirLadder, CBImprimirIHM e CBImprimirTabSimbolos|Imprimir|Print
317|Impressão - caixa CheckBoxReforco (linhas grossas)|Reforçar linhas|Thick lines
318|Impressão - grupo gBIntervaloLogicas|Intervalo de lógicas|Logic range
319|Impressão - opções RBLTodas e RBIHMTodas|Todas|All
320|Impressão - opção RBLAtual (lógica em edição)|Lógica atual|Current logic
321|Impressão - opção RBLIntervalo (números e faixas a-b separados por ponto e vírgula)|Intervalo|Range
322|Impressão - grupos gbVisualizacaoOperando e gbVisualizacao|Visualização do operando|Operand display
323|Impressão - opções CBSimbolo, RBIHMSimb e rbSimboloOrdTab|Símbolo|Symbol
324|Impressão - opções CBEndereco, RBIHMEND e rbEnderecoOrdTab|Endereço|Address
325|Impressão - botão BitBtnSetup|Configurar impressora|Printer setup
326|Impressão - botão BitBtnCancel|Cancelar|Cancel
327|Impressão - botão BitBtnOK|OK|OK
328|Impressão - aba da IHM|IHM|HMI
329|Impressão - grupo gbIntervaloTelas|Intervalo de páginas|Page range
330|{unused}|(não utilizado)|(not used)
331|Impressão - opção RBIHMTAtual (página atual do editor da IHM)|Página atual|Current page
332|Impressão - opção RBIHMInter (números e faixas a-b separados por ponto e vírgula)|Intervalo|Range
333|IHM - raiz de navegação da árvore e opção RBIHMNav da impressão. Também nome de grupo criado no upload (+ " - " + número): no máximo 26 caracteres|Navegação|Navigation
334|IHM - raiz de alarmes da árvore e opção RBIHMAla da impressão|Alarmes|Alarms
335|IHM - raiz de eventos da árvore e opção RBIHMEve da impressão|Eventos|Events
336|Impressão - opção rbInterSimbTodos|Todos|All
337|{unused}|(não utilizado)|(not used)
338|Impressão - opção rbEspecifico (uma classe de operandos)|Específico|Specific
339|Impressão - grupo gbOrdenacaoTabela|Ordenação da tabela|Table order
340|Página da IHM (TFrmConfigPagina) - rótulo do nome|Nome|Name
341|Página da IHM - rótulo da descrição|Descrição|Description
342|Página da IHM - rótulo do número|Número|Number
343|Página da IHM - rótulo do nível de senha|Nível de senha|Password level
344|Página da IHM - rótulo do endereço (LabelEndereco)|Endereço|Address
345|Relógio (TFrmConfigRelogio) - título da janela e texto do botão BitBtnEnviar|Acertar relógio do CLP|Set PLC clock
346|{unused}|(não utilizado)|(not used)
347|Temporizadores e contadores (TFrmConfigTC) - título da janela|Configuração de Temporizadores e Contadores|Timers and Counters Settings
348|Temporizadores e contadores - aba dos temporizadores|Temporizadores|Timers
349|Temporizadores e contadores - aba dos contadores|Contadores|Counters
350|Temporizadores e contadores - cabeçalho da coluna do número|ID|ID
351|Temporizadores e contadores - cabeçalho da coluna do tipo|TIPO|TYPE
352|Temporizadores e contadores - cabeçalho da coluna do preset|PRESET|PRESET
353|Temporizadores e contadores - cabeçalho da coluna do símbolo|TAG|TAG
354|Temporizadores - cabeçalho da coluna da base de tempo|BASE|BASE
355|Temporizadores - cabeçalho da coluna de envio dos parâmetros|ENVIAR PARÂMETROS|SEND PARAMETERS
356|Temporizadores e contadores - botão de leitura do CLP|Upload|Upload
357|Copiar bloco (TFrmCopiabloco) - rótulo da lógica inicial|Lógica inicial|First logic
358|Copiar bloco - rótulo da lógica final|Lógica final|Last logic
359|Copiar bloco - rótulo da posição de inserção|Posição de inserção|Insert position
360|Copiar bloco - caixa CBCopiaAreaTransferencia|Copiar para a área de transferência|Copy to the clipboard
361|Copiar bloco - título da janela|Copiar bloco de lógicas|Copy block of logics
362|Abrindo projeto (TFrmDialogoAbertura) - texto do painel|Abrindo projeto. Aguarde.!|Opening project. Please wait!
363|{unused}|(não utilizado)|(not used)
364|Atualização dos temporizadores (TFrmDialogoTemporizadores) - texto do painel|Atualizando temporizadores. Aguarde!|Updating timers. Please wait!
365|Transferência (TFrmLoad) - título da janela|Velmora - Transferência de Dados|Velmora - Data Transfer
366|{unused}|(não utilizado)|(not used)
367|{unused}|(não utilizado)|(not used)
368|{unused}|(não utilizado)|(not used)
369|{unused}|(não utilizado)|(not used)
370|{unused}|(não utilizado)|(not used)
371|{unused}|(não utilizado)|(not used)
372|{unused}|(não utilizado)|(not used)
373|Tabela de receitas (TFrmReceita) - título da janela|Tabela de Receitas|Recipe Table
374|Tabela de receitas - grupo gbQteReceita (quantas receitas cabem)|Receitas que cabem na memória|Recipes that fit in memory
375|Tabela de receitas - dica do botão tbInsereOperando|Insere operando|Insert operand
376|Tabela de receitas - dica do botão tbExcluiOperando|Exclui operando|Delete operand
377|Tabela de receitas - dica do botão tbInsereLinha|Insere linha de dados|Insert data row
378|Tabela de receitas - dica do botão tbExcluiLinha|Exclue linha de dados|Delete data row
379|Substituir operando - grupo das lógicas|Bloco de programa|Program block
380|Substituir operando - rótulo da lógica inicial (SePi)|Lógica inicial|First logic
381|Substituir operando - rótulo da lógica final (SePf)|Lógica final|Last logic
382|Substituir operando - grupo dos endereços|Endereco|Address
383|Substituir operando - rótulo do endereço atual|Endereço atual|Current address
384|Substituir operando - rótulo do novo endereço|Novo endereço|New address
385|Substituir operando - caixa cbSubstituiIHM|Substituir na IHM|Replace in the HMI
386|Substituir operando - caixa cbSubstituiTabSimb|Substituir na tabela de símbolos|Replace in the symbol table
387|Substituir operando - caixa cbSubstituiReceitas|Substituir na tabela de receitas|Replace in the recipe table
388|Tabela de símbolos (TFrmTabSimb) - título da janela|Tabela de Símbolos|Symbol Table
389|Tabela de símbolos - botão BtnInserirTodos|Inserir todos|Insert all
390|Tabela de símbolos - botão bitbtnApagar|Apagar linha|Delete row
391|Tabela de símbolos - botão BitBtnImprimir|Imprimir|Print
392|Tabela de símbolos - botão BitBtnFechar|Fechar|Close
393|Menu Editar - item miBuscaOperandoPorSimbolo|Busca operando por simbolo|Search operand by symbol
394|Ladder - título da caixa que pede o título da lógica|Título da lógica|Logic title
395|Ladder - pergunta da caixa que pede o título da lógica (até 50 caracteres)|Digite o título da lógica:|Enter the logic title:
396|Menu de contexto de temporizador - Preset: pergunta da caixa de entrada|Digite o preset do temporizador:|Enter the timer preset:
397|Menu de contexto de contador - Preset: pergunta da caixa de entrada|Digite o preset do contador:|Enter the counter preset:
398|Editar - apagar lógica: título da caixa de entrada|Apagar lógica|Delete logic
399|Editar - apagar lógica: pergunta da caixa de entrada|Digite o número da lógica a ser apagada:|Enter the number of the logic to delete:
400|IHM - renomear grupo: título da caixa de entrada|Renomear grupo|Rename group
401|IHM - renomear grupo: pergunta da caixa de entrada (até 32 caracteres)|Digite o novo nome do grupo:|Enter the new group name:
402|{unused}|(não utilizado)|(not used)
403|{unused}|(não utilizado)|(not used)
404|Alterar Simbolo - pergunta da caixa de entrada, seguida do endereço do operando|Símbolo do endereço |Symbol of address 
405|Busca operando e busca por símbolo - título da caixa de entrada|Busca operando|Search operand
406|Busca operando e busca por símbolo - pergunta da caixa de entrada|Digite o operando ou o símbolo a procurar:|Enter the operand or symbol to search for:
407|Recortar e apagar bloco de lógicas - título das caixas de entrada|Bloco de lógicas|Block of logics
408|Recortar e apagar bloco de lógicas - pergunta da lógica inicial|Digite o número da lógica inicial:|Enter the number of the first logic:
409|Colar bloco da área de transferência - pergunta da posição|Digite a posição onde o bloco será inserido:|Enter the position where the block will be inserted:
410|Monitor serial - Ver endereço: título da caixa de entrada|Ver endereço|Show address
411|Monitor serial - Ver endereço: pergunta da caixa de entrada|Digite o operando:|Enter the operand:
412|Monitor serial - aba Uploads: cabeçalho da segunda coluna|Valor|Value
413|{unused}|(não utilizado)|(not used)
414|{unused}|(não utilizado)|(not used)
415|{unused}|(não utilizado)|(not used)
416|{unused}|(não utilizado)|(not used)
417|{unused}|(não utilizado)|(not used)
418|Tabela de receitas - inserir operando: pergunta da caixa de entrada|Digite o operando (word) da receita:|Enter the recipe operand (word):
419|Recortar e apagar bloco de lógicas - pergunta da lógica final|Digite o número da lógica final:|Enter the number of the last logic:
420|Tabela de símbolos - cabeçalho da coluna do comentário. Também na impressão da tabela|Comentário|Comment
421|Página da IHM - rótulo do endereço de uma página de evento|Endereço do evento|Event address
422|Página da IHM - rótulo do endereço de uma página de alarme|Endereço do alarme|Alarm address
423|Impressão da IHM - tipo da página 0|Página de navegação|Navigation page
424|Impressão da IHM - tipo da página 1|Página de evento|Event page
425|Impressão da IHM - tipo da página 2|Página de alarme|Alarm page
426|IHM - nome do segundo grupo e página das páginas de receitas (nome de grupo: no máximo 32 caracteres). Também o tipo 3 na impressão|Receita - Salvar|Recipe - Save
427|IHM - nome do primeiro grupo e página das páginas de receitas (nome de grupo: no máximo 32 caracteres). Também o tipo 4 na impressão|Receita - Carregar|Recipe - Load
428|IHM - novo grupo: pergunta da caixa de entrada (1 a 23 caracteres)|Digite o nome do novo grupo:|Enter the name of the new group:
429|IHM - novo grupo: título da caixa de entrada|Novo grupo de páginas|New page group
430|Página da IHM - título da janela|Configuração da Página|Page Settings
431|Página da IHM - item sem senha da lista de níveis|Sem senha|No password
432|Página da IHM - itens de nível da lista CbNivel e rótulos das senhas da configuração geral. [0] = 1, 2 ou 3|Nível [0]|Level [0]
433|IHM - rótulo da página atual, seguido de ": " e do nome|Página|Page
434|IHM - rótulo do grupo atual, seguido de ": " e do nome|Grupo|Group
435|IHM - rótulo do número da página, seguido de ": " e do número|Número|Number
436|Configuração geral - aba dos canais de comunicação|Canais de comunicação|Communication channels
437|Configuração geral - aba das senhas|Senhas|Passwords
438|Tabela de receitas - operando inválido (caixa de erro)|Operando inválido.|Invalid operand.
439|Menu Configurações - item Idioma1. Também o título da janela TFrmConfigIdioma (sem &)|Idioma|Language
440|Idioma (TFrmConfigIdioma) - grupo da lista cbIdioma|Selecione o idioma|Choose the language
441|Idioma - OK com outro idioma escolhido (confirmação Sim/Não)|Deseja mudar o idioma do programa?|Do you want to change the program language?
442|Editar - copiar lógica: pergunta da caixa de entrada|Digite o número da lógica a ser copiada:|Enter the number of the logic to copy:
443|Editar - ir para lógica: pergunta da caixa de entrada|Digite o número da lógica:|Enter the logic number:
444|Editar - inserir lógica: pergunta da caixa de entrada|Digite a posição da nova lógica:|Enter the position of the new logic:
445|Editar - recortar lógica: título da caixa de entrada|Recortar lógica|Cut logic
446|Editar - recortar lógica: pergunta da caixa de entrada|Digite o número da lógica a ser recortada:|Enter the number of the logic to cut:
447|Editar - colar lógica: pergunta da caixa de entrada|Digite a posição onde a lógica será colada:|Enter the position where the logic will be pasted:
448|Editar - colar bloco do próprio programa: pergunta da caixa de entrada|Digite a posição onde o bloco será colado:|Enter the position where the block will be pasted:
449|Ladder - bloco aritmético numa lógica que tem bobinas (caixa de informação)|Não é permitido inserir um bloco aritmético em uma lógica com bobinas.|An arithmetic block cannot be placed in a logic that holds coils.
450|Busca operando - operando inválido (caixa de informação)|Operando inválido.|Invalid operand.
451|Recortar bloco e colar bloco - número de lógica que não é um número (caixa de erro)|Número de lógica inválido.|Invalid logic number.
452|Busca por símbolo - símbolo sem endereço (caixa de informação)|Símbolo não encontrado.|Symbol not found.
453|Editar - apagar lógica (confirmação Sim/Não). [0] = número da lógica|Deseja realmente apagar a lógica [0]?|Do you really want to delete logic [0]?
454|Apagar bloco - lógica final que não é um número (caixa de erro)|Número da lógica final inválido.|Invalid last logic number.
455|Apagar bloco - lógica inicial que não é um número (caixa de erro)|Número da lógica inicial inválido.|Invalid first logic number.
456|Tabela de símbolos - endereço que outra linha já tem (caixa de erro)|Este endereço já existe na tabela.|This address is already in the table.
457|Campo da IHM - OK sem endereço (caixa de informação)|Digite o endereço do campo.|Enter the field address.
458|Novo projeto - OK sem nome (caixa de informação)|Digite o nome do projeto.|Enter the project name.
459|Porta serial - a porta escolhida não abre (caixa de erro)|Não foi possível abrir a porta serial.|Could not open the serial port.
460|Projeto e programa - arquivo que não pode ser lido (caixa de erro). [0] = arquivo|Não foi possível ler o arquivo [0].|Could not read the file [0].
461|Projeto - arquivo danificado: uma seção não foi fechada, nada é carregado (caixa de erro). [0] = arquivo, [1] = seção|O arquivo [0] está danificado: a seção [1] não foi fechada. Nada foi carregado.|The file [0] is damaged: section [1] is not closed. Nothing was loaded.
462|Projeto e programa - falha ao gravar, o arquivo anterior fica como estava (caixa de erro). [0] = arquivo, [1] = motivo|Não foi possível gravar o arquivo [0]: [1]|Could not write the file [0]: [1]
463|Projeto - ao salvar, células com caracteres que o arquivo não guarda (caixa de aviso). [0] = lógica, [1] = células (linha,coluna)|Lógica [0]: as células [1] têm caracteres inválidos e não foram gravadas.|Logic [0]: cells [1] hold invalid characters and were not saved.
464|Projeto - ao salvar, caracteres de controle trocados por espaços (caixa de aviso). [0] = seção|Seção [0]: caracteres de controle foram trocados por espaços.|Section [0]: control characters were replaced by blanks.
465|Projeto - arquivo antigo sem nenhuma das chaves de um projeto (caixa de erro). [0] = arquivo|O arquivo [0] não é um projeto Velmora.|The file [0] is not a Velmora project.
"""


def placeholders(text):
    return sorted(int(m) for m in re.findall(r"\[(\d)\]", text))


def build_rows():
    rows = [HEADER]
    expected = 1
    for line in ROWS.strip("\n").split("\n"):
        number, description, portuguese, english = line.split("|")
        if int(number) != expected:
            sys.exit(f"row {number}: expected {expected}")
        if description == "{unused}":
            description = UNUSED
        rows.append([number, description, portuguese, english])
        expected += 1
    if expected != LAST_MESSAGE + 1:
        sys.exit(f"rows end at {expected - 1}, not {LAST_MESSAGE}")
    return rows


def check(rows):
    for row in rows:
        for field in row:
            if ";" in field or "\r" in field or "\n" in field:
                sys.exit(f"row {row[0]}: ';' or line break in {field!r}")
            field.encode("cp1252")
    for row in rows[1:]:
        n = int(row[0])
        want = list(range(ARGUMENTS.get(n, 0)))
        for text in row[2:]:
            if not text.strip():
                sys.exit(f"row {n}: empty text")
            if placeholders(text) != want:
                sys.exit(f"row {n}: placeholders {placeholders(text)} in {text!r}, want {want}")
        for text in row[2:]:
            limit = GROUP_NAMES.get(n)
            if limit is not None and len(text) > limit:
                sys.exit(f"row {n}: {text!r} longer than {limit}")


def main():
    rows = build_rows()
    check(rows)
    out = pathlib.Path(__file__).resolve().parent.parent / "data" / "ConfigIdiomas.txt"
    data = "".join("".join(f + ";" for f in row) + "\r\n" for row in rows)
    out.write_bytes(data.encode("cp1252"))
    print(f"wrote {out} ({len(rows) - 1} messages)")


if __name__ == "__main__":
    main()
