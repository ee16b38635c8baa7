<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
  <context>
    <name>ConditionsDialog</name>
    <message>
      <source>&amp;Cancel</source>
      <translation>&amp;Cancelar</translation>
    </message>
    <message>
      <source>&amp;Defaults</source>
      <translation>&amp;Padrões</translation>
    </message>
    <message>
      <source>&amp;Fill</source>
      <translation>P&amp;reencher</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Salvar</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Dados de entrada avançados</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Ajuste do altímetro</translation>
    </message>
    <message>
      <source>Another Tethrix window saved %1 since this one read the settings: that is kept, and in force here too.</source>
      <translation>Outra janela do Tethrix salvou %1 depois que esta leu as configurações: isso fica mantido e vale aqui também.</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Elevação do campo</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude from the field elevation and the altimeter setting</source>
      <translation>Preencher a altitude-pressão a partir da elevação do campo e do ajuste do altímetro</translation>
    </message>
    <message>
      <source>Press &lt;F1&gt; For Help</source>
      <translation>Pressione &lt;F1&gt; para ajuda</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Altitude-pressão a partir do campo:</translation>
    </message>
  </context>
  <context>
    <name>FlightDialog</name>
    <message>
      <source>%1 as calculated: %2</source>
      <translation>%1 conforme calculado: %2</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>Engine:</source>
      <translation>Motor:</translation>
    </message>
    <message>
      <source>Flown (local time):</source>
      <translation>Data do voo (hora local):</translation>
    </message>
    <message>
      <source>Fuel:</source>
      <translation>Combustível:</translation>
    </message>
    <message>
      <source>Handle Spacing:</source>
      <translation>Espaçamento do manete:</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds):</source>
      <translation>Tempo de volta medido (segundos):</translation>
    </message>
    <message>
      <source>Needle or Timer Setting:</source>
      <translation>Ajuste da agulha ou timer:</translation>
    </message>
    <message>
      <source>Notes:</source>
      <translation>Notas:</translation>
    </message>
    <message>
      <source>Prop:</source>
      <translation>Hélice:</translation>
    </message>
    <message>
      <source>The lap time measured must be a number of seconds, or empty</source>
      <translation>O tempo de volta medido deve ser um número de segundos, ou ficar vazio</translation>
    </message>
    <message>
      <source>Tip Weight:</source>
      <translation>Peso na ponta:</translation>
    </message>
    <message>
      <source>none</source>
      <translation>nenhum</translation>
    </message>
  </context>
  <context>
    <name>HangarDialog</name>
    <message>
      <source>%1 cannot be exported: %2</source>
      <translation>Não é possível exportar %1: %2</translation>
    </message>
    <message>
      <source>%1 copy</source>
      <translation>Cópia de %1</translation>
    </message>
    <message>
      <source>%1 could not be added:</source>
      <translation>Não foi possível adicionar %1:</translation>
    </message>
    <message>
      <source>%1 holds no .TQD data files.</source>
      <translation>%1 não contém arquivos de dados .TQD.</translation>
    </message>
    <message>
      <source>%1 was not kept</source>
      <translation>%1: não foi possível salvar</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Excluir...</translation>
    </message>
    <message>
      <source>&amp;Import...</source>
      <translation>&amp;Importar...</translation>
    </message>
    <message>
      <source>&amp;Keep as New</source>
      <translation>Salvar como &amp;novo</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>Re&amp;gistrar um voo...</translation>
    </message>
    <message>
      <source>&amp;Open</source>
      <translation>&amp;Abrir</translation>
    </message>
    <message>
      <source>&amp;Rename...</source>
      <translation>&amp;Renomear...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Diário de trimagem...</translation>
    </message>
    <message>
      <source>Add a &amp;Folder...</source>
      <translation>Adicionar &amp;pasta...</translation>
    </message>
    <message>
      <source>Add a Folder</source>
      <translation>Adicionar pasta</translation>
    </message>
    <message>
      <source>Add and update airplanes and flights from a hangar file</source>
      <translation>Adicionar e atualizar aviões e voos a partir de um arquivo de hangar</translation>
    </message>
    <message>
      <source>Add every .TQD data file of a folder</source>
      <translation>Adicionar todos os arquivos de dados .TQD de uma pasta</translation>
    </message>
    <message>
      <source>Added %1 from %2.</source>
      <translation>%1 adicionado de %2.</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Avião</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Cannot import %1: %2</source>
      <translation>Não é possível importar %1: %2</translation>
    </message>
    <message>
      <source>Cannot save the hangar file %1: %2</source>
      <translation>Não é possível salvar o arquivo de hangar %1: %2</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Fechar</translation>
    </message>
    <message>
      <source>D&amp;uplicate...</source>
      <translation>D&amp;uplicar...</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Excluir</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar?</source>
      <translation>Excluir %1 do hangar?</translation>
    </message>
    <message>
      <source>Delete %1 from the hangar? Its %2 stay in the trim log unless you delete them with it.</source>
      <translation>Excluir %1 do hangar? Os %2 dele ficam no diário de trimagem, a menos que você os exclua junto.</translation>
    </message>
    <message>
      <source>Delete Airplane</source>
      <translation>Excluir avião</translation>
    </message>
    <message>
      <source>Delete with Its Flights</source>
      <translation>Excluir com os voos</translation>
    </message>
    <message>
      <source>Delete, Keep the Log</source>
      <translation>Excluir, manter o diário</translation>
    </message>
    <message>
      <source>Deleted %1 and its %2.</source>
      <translation>%1 e seus %2 excluídos.</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>%1 excluído.</translation>
    </message>
    <message>
      <source>Duplicate Airplane</source>
      <translation>Duplicar avião</translation>
    </message>
    <message>
      <source>E&amp;xport Hangar...</source>
      <translation>E&amp;xportar hangar...</translation>
    </message>
    <message>
      <source>Export &amp;Airplane...</source>
      <translation>Exportar a&amp;vião...</translation>
    </message>
    <message>
      <source>Exported %1 and its log to %2.</source>
      <translation>%1 e seu diário exportados para %2.</translation>
    </message>
    <message>
      <source>Exported the hangar to %1.</source>
      <translation>Hangar exportado para %1.</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Voos</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Hangar</translation>
    </message>
    <message>
      <source>Keep O&amp;ver</source>
      <translation>&amp;Sobrescrever</translation>
    </message>
    <message>
      <source>Keep the window's case over the airplane open in it</source>
      <translation>Salvar o caso da janela por cima do avião aberto nela</translation>
    </message>
    <message>
      <source>Keep the window's case, with the notes typed, as a new airplane</source>
      <translation>Salvar o caso da janela, com as notas digitadas, como um avião novo</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane and logged its flight.</source>
      <translation>%1 salvo como avião novo e voo registrado.</translation>
    </message>
    <message>
      <source>Kept %1 as a new airplane.</source>
      <translation>%1 salvo como avião novo.</translation>
    </message>
    <message>
      <source>Kept a copy of %1 as %2.</source>
      <translation>Cópia de %1 salva como %2.</translation>
    </message>
    <message>
      <source>Kept the window's case over %1.</source>
      <translation>Caso da janela salvo sobre %1.</translation>
    </message>
    <message>
      <source>Last Flown</source>
      <translation>Último voo</translation>
    </message>
    <message>
      <source>Log a Flight of %1</source>
      <translation>Registrar um voo de %1</translation>
    </message>
    <message>
      <source>Log a flight of the window's case</source>
      <translation>Registrar um voo com o caso da janela</translation>
    </message>
    <message>
      <source>Logged a flight of %1.</source>
      <translation>Voo de %1 registrado.</translation>
    </message>
    <message>
      <source>Name of the copy of %1:</source>
      <translation>Nome da cópia de %1:</translation>
    </message>
    <message>
      <source>New name for %1:</source>
      <translation>Novo nome para %1:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window.</source>
      <translation>Nenhum avião do hangar está aberto na janela.</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open in the window: keep the case as a new one.</source>
      <translation>Nenhum avião do hangar está aberto na janela: salve o caso como um novo.</translation>
    </message>
    <message>
      <source>No flight can be logged: %1</source>
      <translation>Nenhum voo pode ser registrado: %1</translation>
    </message>
    <message>
      <source>Notes (engine, prop, anything):</source>
      <translation>Notas (motor, hélice, o que quiser):</translation>
    </message>
    <message>
      <source>Open in the window: %1</source>
      <translation>Aberto na janela: %1</translation>
    </message>
    <message>
      <source>Open the selected airplane in the window's fields</source>
      <translation>Abrir o avião selecionado nos campos da janela</translation>
    </message>
    <message>
      <source>Opened %1.</source>
      <translation>%1 aberto.</translation>
    </message>
    <message>
      <source>Rename Airplane</source>
      <translation>Renomear avião</translation>
    </message>
    <message>
      <source>Renamed %1 to %2.</source>
      <translation>%1 renomeado para %2.</translation>
    </message>
    <message>
      <source>The airplanes of %1</source>
      <translation>Os aviões de %1</translation>
    </message>
    <message>
      <source>The copy</source>
      <translation>A cópia</translation>
    </message>
    <message>
      <source>The deletion of %1</source>
      <translation>A exclusão de %1</translation>
    </message>
    <message>
      <source>The flight</source>
      <translation>O voo</translation>
    </message>
    <message>
      <source>The hangar cannot be exported: %1</source>
      <translation>Não é possível exportar o hangar: %1</translation>
    </message>
    <message>
      <source>The import of %1</source>
      <translation>A importação de %1</translation>
    </message>
    <message>
      <source>The new name</source>
      <translation>O novo nome</translation>
    </message>
    <message>
      <source>The selected airplane with its log</source>
      <translation>O avião selecionado com seu diário</translation>
    </message>
  </context>
  <context>
    <name>HelpViewer</name>
    <message>
      <source>No pages found</source>
      <translation>Nenhuma página encontrada</translation>
    </message>
    <message>
      <source>Search the help</source>
      <translation>Pesquisar na ajuda</translation>
    </message>
    <message>
      <source>Search:</source>
      <translation>Pesquisar:</translation>
    </message>
    <message>
      <source>Tethrix Help</source>
      <translation>Ajuda do Tethrix</translation>
    </message>
  </context>
  <context>
    <name>LapTimerDialog</name>
    <message>
      <source>Lap Timer</source>
      <translation>Cronômetro de voltas</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Recomeçar</translation>
    </message>
    <message>
      <source>Tap at each pass (Space)</source>
      <translation>Toque a cada passagem (Espaço)</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Usar como tempo de volta</translation>
    </message>
  </context>
  <context>
    <name>MainWindow</name>
    <message>
      <source>%1 - Tethrix</source>
      <translation>%1 - Tethrix</translation>
    </message>
    <message>
      <source>%1 = %2</source>
      <translation>%1 = %2</translation>
    </message>
    <message>
      <source>%1 cannot be compared: %2</source>
      <translation>Não é possível comparar %1: %2</translation>
    </message>
    <message>
      <source>&amp;About...</source>
      <translation>&amp;Sobre...</translation>
    </message>
    <message>
      <source>&amp;Advanced</source>
      <translation>A&amp;vançado</translation>
    </message>
    <message>
      <source>&amp;Contents</source>
      <translation>&amp;Conteúdo</translation>
    </message>
    <message>
      <source>&amp;Data Entry</source>
      <translation>Entrada de &amp;dados</translation>
    </message>
    <message>
      <source>&amp;File</source>
      <translation>&amp;Arquivo</translation>
    </message>
    <message>
      <source>&amp;Hangar...</source>
      <translation>&amp;Hangar...</translation>
    </message>
    <message>
      <source>&amp;Help</source>
      <translation>Aj&amp;uda</translation>
    </message>
    <message>
      <source>&amp;Imperial</source>
      <translation>&amp;Imperiais</translation>
    </message>
    <message>
      <source>&amp;Lap Timer...</source>
      <translation>&amp;Cronômetro de voltas...</translation>
    </message>
    <message>
      <source>&amp;Log a Flight...</source>
      <translation>Re&amp;gistrar um voo...</translation>
    </message>
    <message>
      <source>&amp;Metric</source>
      <translation>&amp;Métricas</translation>
    </message>
    <message>
      <source>&amp;Open...</source>
      <translation>&amp;Abrir...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Imprimir...</translation>
    </message>
    <message>
      <source>&amp;Save</source>
      <translation>&amp;Salvar</translation>
    </message>
    <message>
      <source>&amp;Trim Charts...</source>
      <translation>&amp;Gráficos de trimagem...</translation>
    </message>
    <message>
      <source>&amp;Trim Log...</source>
      <translation>&amp;Diário de trimagem...</translation>
    </message>
    <message>
      <source>&amp;Units</source>
      <translation>&amp;Unidades</translation>
    </message>
    <message>
      <source>Advanced Input Data</source>
      <translation>Dados de entrada avançados</translation>
    </message>
    <message>
      <source>Cannot save the file %1: %2</source>
      <translation>Não é possível salvar o arquivo %1: %2</translation>
    </message>
    <message>
      <source>Cannot write the report %1: %2</source>
      <translation>Não é possível gravar o relatório %1: %2</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Limpar A</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Dados calculados</translation>
    </message>
    <message>
      <source>Conditions...</source>
      <translation>Condições...</translation>
    </message>
    <message>
      <source>E&amp;xit</source>
      <translation>Sai&amp;r</translation>
    </message>
    <message>
      <source>File Not Found</source>
      <translation>Arquivo não encontrado</translation>
    </message>
    <message>
      <source>Flying conditions: %1</source>
      <translation>Condições de voo: %1</translation>
    </message>
    <message>
      <source>Han&amp;gar</source>
      <translation>Han&amp;gar</translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Dados de entrada</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Salvar como A</translation>
    </message>
    <message>
      <source>L&amp;anguage</source>
      <translation>&amp;Idioma</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Idioma</translation>
    </message>
    <message>
      <source>Lap Speed is on the whole circle of arm, handle, lines and inboard wing; Ground Speed on the circle through the handle.</source>
      <translation>A velocidade de volta é medida no círculo completo de braço, manete, cabos e asa interna; a velocidade no solo, no círculo que passa pelo manete.</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Tempo de volta</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Comprimento dos cabos</translation>
    </message>
    <message>
      <source>Open A...</source>
      <translation>Abrir A...</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Pressione &lt;Enter&gt; em qualquer campo para recalcular</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>A impressão não está disponível: %1</translation>
    </message>
    <message>
      <source>Tethrix will speak %1 from its next start.</source>
      <translation>O Tethrix vai usar o idioma %1 a partir da próxima vez que for aberto.</translation>
    </message>
    <message>
      <source>The System's</source>
      <translation>O do sistema</translation>
    </message>
    <message>
      <source>The trim charts cannot open: %1</source>
      <translation>Não é possível abrir os gráficos de trimagem: %1</translation>
    </message>
    <message>
      <source>These inputs cannot be kept as A: %1</source>
      <translation>Estes dados não podem ser salvos como A: %1</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>E se...?</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>pés</translation>
    </message>
  </context>
  <context>
    <name>QObject</name>
    <message>
      <source>Cannot save the %1 as %2: %3</source>
      <translation>Não é possível salvar %1 como %2: %3</translation>
    </message>
  </context>
  <context>
    <name>Tethrix</name>
    <message>
      <source>
The same inputs and flying conditions as A.</source>
      <translation>
Os mesmos dados de entrada e as mesmas condições de voo de A.</translation>
    </message>
    <message>
      <source>
tethrix-calc: nothing was added
</source>
      <translation>
tethrix-calc: nada foi adicionado
</translation>
    </message>
    <message>
      <source>
{"name": </source>
      <translation>
{"name": </translation>
    </message>
    <message>
      <source>  --lang CODE the language of --help and of the messages on standard error,
              one of %1
              (TETHRIX_LANG=CODE does the same); standard output is the same
              in every language
</source>
      <translation>  --lang CODE o idioma de --help e das mensagens na saída de erro,
              um de %1
              (TETHRIX_LANG=CODE faz o mesmo); a saída padrão é a mesma
              em todos os idiomas
</translation>
    </message>
    <message>
      <source>  Elevation   field elevation, feet [m], with
  Altimeter   the altimeter setting there, inHg [hPa]: the pressure altitude,
              in place of Altitude
</source>
      <translation>  Elevation   elevação do campo, pés [m], junto com
  Altimeter   o ajuste do altímetro no local, inHg [hPa]: a altitude-pressão,
              no lugar de Altitude
</translation>
    </message>
    <message>
      <source> (--no-settings uses the built-in ones)
</source>
      <translation> (--no-settings usa as embutidas)
</translation>
    </message>
    <message>
      <source> (default </source>
      <translation> (padrão </translation>
    </message>
    <message>
      <source> N</source>
      <translation> N</translation>
    </message>
    <message>
      <source> Numbers here take a decimal comma (',').</source>
      <translation> Aqui os números usam vírgula decimal (',').</translation>
    </message>
    <message>
      <source> Numbers here take a decimal point ('.').</source>
      <translation> Aqui os números usam ponto decimal ('.').</translation>
    </message>
    <message>
      <source> Percent</source>
      <translation> por cento</translation>
    </message>
    <message>
      <source> airplanes match </source>
      <translation> aviões correspondem a </translation>
    </message>
    <message>
      <source> and </source>
      <translation> e </translation>
    </message>
    <message>
      <source> cannot run: </source>
      <translation> não pode ser executado: </translation>
    </message>
    <message>
      <source> cm²</source>
      <translation> cm²</translation>
    </message>
    <message>
      <source> deg</source>
      <translation> graus</translation>
    </message>
    <message>
      <source> deg F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> deg.</source>
      <translation> graus</translation>
    </message>
    <message>
      <source> deg. F</source>
      <translation> °F</translation>
    </message>
    <message>
      <source> degrees</source>
      <translation> graus</translation>
    </message>
    <message>
      <source> dm²</source>
      <translation> dm²</translation>
    </message>
    <message>
      <source> does not go with --add (try --help)</source>
      <translation> não combina com --add (tente --help)</translation>
    </message>
    <message>
      <source> does not go with --hangar's list of airplanes (try --help)</source>
      <translation> não combina com a lista de aviões de --hangar (tente --help)</translation>
    </message>
    <message>
      <source> does not go with --log (try --help)</source>
      <translation> não combina com --log (tente --help)</translation>
    </message>
    <message>
      <source> feet</source>
      <translation> pés</translation>
    </message>
    <message>
      <source> g</source>
      <translation> g</translation>
    </message>
    <message>
      <source> g/dm²</source>
      <translation> g/dm²</translation>
    </message>
    <message>
      <source> hPa</source>
      <translation> hPa</translation>
    </message>
    <message>
      <source> holds </source>
      <translation> contém </translation>
    </message>
    <message>
      <source> holds no airplanes</source>
      <translation> não contém aviões</translation>
    </message>
    <message>
      <source> id </source>
      <translation> id </translation>
    </message>
    <message>
      <source> in/Hg</source>
      <translation> in/Hg</translation>
    </message>
    <message>
      <source> inch</source>
      <translation> polegada</translation>
    </message>
    <message>
      <source> inches</source>
      <translation> polegadas</translation>
    </message>
    <message>
      <source> is not the file of build </source>
      <translation> não é o arquivo da compilação </translation>
    </message>
    <message>
      <source> is too large to show</source>
      <translation> é grande demais para exibir</translation>
    </message>
    <message>
      <source> kg</source>
      <translation> kg</translation>
    </message>
    <message>
      <source> km/h</source>
      <translation> km/h</translation>
    </message>
    <message>
      <source> m</source>
      <translation> m</translation>
    </message>
    <message>
      <source> mi/ph</source>
      <translation> mph</translation>
    </message>
    <message>
      <source> mm</source>
      <translation> mm</translation>
    </message>
    <message>
      <source> mph</source>
      <translation> mph</translation>
    </message>
    <message>
      <source> needs </source>
      <translation> precisa de </translation>
    </message>
    <message>
      <source> or has that id: </source>
      <translation> ou tem esse id: </translation>
    </message>
    <message>
      <source> other names (--hangar alone lists them)</source>
      <translation> outros nomes (--hangar sozinho os lista)</translation>
    </message>
    <message>
      <source> ounces</source>
      <translation> onças</translation>
    </message>
    <message>
      <source> oz/sq ft.</source>
      <translation> oz/sq ft.</translation>
    </message>
    <message>
      <source> percent</source>
      <translation> por cento</translation>
    </message>
    <message>
      <source> pounds</source>
      <translation> libras</translation>
    </message>
    <message>
      <source> rows (STEP must be non-zero and lead from FROM to TO)</source>
      <translation> linhas (STEP não pode ser zero e deve ir de FROM a TO)</translation>
    </message>
    <message>
      <source> seconds</source>
      <translation> segundos</translation>
    </message>
    <message>
      <source> sq/in</source>
      <translation> sq/in</translation>
    </message>
    <message>
      <source> sq/inches</source>
      <translation> sq/in</translation>
    </message>
    <message>
      <source> watts</source>
      <translation> watts</translation>
    </message>
    <message>
      <source> with the built-in airplane? Its inputs are lost unless saved.</source>
      <translation> pelo avião embutido? Os dados dele se perdem se não forem salvos.</translation>
    </message>
    <message>
      <source> x weight</source>
      <translation> x peso</translation>
    </message>
    <message>
      <source> °C</source>
      <translation> °C</translation>
    </message>
    <message>
      <source>%1   (%2)</source>
      <translation>%1   (%2)</translation>
    </message>
    <message>
      <source>%1 (%2 hp)</source>
      <translation>%1 (%2 hp)</translation>
    </message>
    <message>
      <source>%1 (%2 kg)</source>
      <translation>%1 (%2 kg)</translation>
    </message>
    <message>
      <source>%1 (%2)</source>
      <translation>%1 (%2)</translation>
    </message>
    <message>
      <source>%1 (at byte %2)</source>
      <translation>%1 (no byte %2)</translation>
    </message>
    <message>
      <source>%1 = %2</source>
      <translation>%1 = %2</translation>
    </message>
    <message>
      <source>%1 These flying conditions are not saved.</source>
      <translation>%1 Estas condições de voo não foram salvas.</translation>
    </message>
    <message>
      <source>%1 and %2</source>
      <translation>%1 e %2</translation>
    </message>
    <message>
      <source>%1 gives an airspeed outside the %2 to %3 mph the line model takes: it is calculated at %4 mph.</source>
      <translation>%1 dá uma velocidade do ar fora da faixa de %2 a %3 mph que o modelo dos cabos aceita: o cálculo usa %4 mph.</translation>
    </message>
    <message>
      <source>%1 has no '%2'</source>
      <translation>%1 não tem '%2'</translation>
    </message>
    <message>
      <source>%1 is %2, beyond what fliers meet.</source>
      <translation>%1: %2, além do que se encontra no campo de voo.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes for lines, handle and leadouts.</source>
      <translation>%1: %2, fora da faixa de %3 que o modelo dos cabos aceita para cabos, manete e guias.</translation>
    </message>
    <message>
      <source>%1 is %2, outside the %3 the line model takes.</source>
      <translation>%1: %2, fora da faixa de %3 que o modelo dos cabos aceita.</translation>
    </message>
    <message>
      <source>%1 is %2, which has no physical meaning.</source>
      <translation>%1: %2, o que não tem sentido físico.</translation>
    </message>
    <message>
      <source>%1 is at or above the airspeed, %2.</source>
      <translation>%1 é igual ou maior que a velocidade do ar, %2.</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees.</source>
      <translation>%1 está fora da faixa de -90 a 90 graus.</translation>
    </message>
    <message>
      <source>%1 is beyond -90 to 90 degrees; it is calculated as 0 degrees.</source>
      <translation>%1 está fora da faixa de -90 a 90 graus; o cálculo usa 0 grau.</translation>
    </message>
    <message>
      <source>%1 is empty: a calculation uses %2.</source>
      <translation>%1 está vazio: o cálculo usa %2.</translation>
    </message>
    <message>
      <source>%1 is empty: the figures use %2.</source>
      <translation>%1 está vazio: os valores usam %2.</translation>
    </message>
    <message>
      <source>%1 is negative, which has no physical meaning.</source>
      <translation>%1 é negativo, o que não tem sentido físico.</translation>
    </message>
    <message>
      <source>%1 is outside 0 to 100 percent; it is calculated as %2 percent.</source>
      <translation>%1 está fora da faixa de 0 a 100 por cento; o cálculo usa %2 por cento.</translation>
    </message>
    <message>
      <source>%1 is too large to show</source>
      <translation>%1 é grande demais para mostrar</translation>
    </message>
    <message>
      <source>%1 more</source>
      <translation>mais %1</translation>
    </message>
    <message>
      <source>%1 must be %2 or more.</source>
      <translation>%1 deve ser %2 ou mais.</translation>
    </message>
    <message>
      <source>%1 must be -90 to 90 degrees.</source>
      <translation>%1 deve estar entre -90 e 90 graus.</translation>
    </message>
    <message>
      <source>%1 must be 0 to 100 percent.</source>
      <translation>%1 deve estar entre 0 e 100 por cento.</translation>
    </message>
    <message>
      <source>%1 must be below the airspeed, %2.</source>
      <translation>%1 deve ser menor que a velocidade do ar, %2.</translation>
    </message>
    <message>
      <source>%1 must be more than %2.</source>
      <translation>%1 deve ser maior que %2.</translation>
    </message>
    <message>
      <source>%1 s</source>
      <translation>%1 s</translation>
    </message>
    <message>
      <source>%1 shows '%2': a calculation uses %3.</source>
      <translation>%1 mostra '%2': o cálculo usa %3.</translation>
    </message>
    <message>
      <source>%1 shows '%2': the figures use %3.</source>
      <translation>%1 mostra '%2': os valores usam %3.</translation>
    </message>
    <message>
      <source>%1 takes a number, such as %2.</source>
      <translation>%1 aceita um número, por exemplo %2.</translation>
    </message>
    <message>
      <source>%1 to %2</source>
      <translation>%1 a %2</translation>
    </message>
    <message>
      <source>%1, %2 x Downwind Tension</source>
      <translation>%1, %2 x tensão a favor do vento</translation>
    </message>
    <message>
      <source>%1, %2 x Line Tension</source>
      <translation>%1, %2 x tensão nos cabos</translation>
    </message>
    <message>
      <source>%1: %2</source>
      <translation>%1: %2</translation>
    </message>
    <message>
      <source>%1: A %2, B %3</source>
      <translation>%1: A %2, B %3</translation>
    </message>
    <message numerus="yes">
      <source>%n airplane</source>
      <translation>
        <numerusform>%n avião</numerusform>
        <numerusform>%n aviões</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n airplanes</source>
      <translation>
        <numerusform>%n avião</numerusform>
        <numerusform>%n aviões</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n file</source>
      <translation>
        <numerusform>%n arquivo</numerusform>
        <numerusform>%n arquivos</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n files</source>
      <translation>
        <numerusform>%n arquivo</numerusform>
        <numerusform>%n arquivos</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flight</source>
      <translation>
        <numerusform>%n voo</numerusform>
        <numerusform>%n voos</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n flights</source>
      <translation>
        <numerusform>%n voo</numerusform>
        <numerusform>%n voos</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap</source>
      <translation>
        <numerusform>%n volta</numerusform>
        <numerusform>%n voltas</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap counted.</source>
      <translation>
        <numerusform>%n volta contada.</numerusform>
        <numerusform>%n voltas contadas.</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n lap(s)</source>
      <translation>
        <numerusform>%n volta</numerusform>
        <numerusform>%n voltas</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps</source>
      <translation>
        <numerusform>%n volta</numerusform>
        <numerusform>%n voltas</numerusform>
      </translation>
    </message>
    <message numerus="yes">
      <source>%n laps counted.</source>
      <translation>
        <numerusform>%n volta contada.</numerusform>
        <numerusform>%n voltas contadas.</numerusform>
      </translation>
    </message>
    <message>
      <source>%s %s %s at %s</source>
      <translation>%s %s %s em %s</translation>
    </message>
    <message>
      <source>%s (%s)</source>
      <translation>%s (%s)</translation>
    </message>
    <message>
      <source>%s (%s), %s</source>
      <translation>%s (%s), %s</translation>
    </message>
    <message>
      <source>%s - Trim Log</source>
      <translation>%s - Diário de trimagem</translation>
    </message>
    <message>
      <source>%s copy</source>
      <translation>Cópia de %s</translation>
    </message>
    <message>
      <source>%s is not a text</source>
      <translation>%s não é um texto</translation>
    </message>
    <message>
      <source>%s-%s-%s %s:%s</source>
      <translation>%s-%s-%s %s:%s</translation>
    </message>
    <message>
      <source>%s: %s</source>
      <translation>%s: %s</translation>
    </message>
    <message>
      <source>%s: %s is not a text.</source>
      <translation>%s: %s não é um texto.</translation>
    </message>
    <message>
      <source>' (try --help)</source>
      <translation>' (tente --help)</translation>
    </message>
    <message>
      <source>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</source>
      <translation>' || s.compare(pos + 1, n, key) != 0 || s[pos + n + 1] != '</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value</source>
      <translation>'%1' não é um valor de ponto flutuante válido</translation>
    </message>
    <message>
      <source>'%1' is not a valid floating point value for '%2': %3</source>
      <translation>'%1' não é um valor de ponto flutuante válido para '%2': %3</translation>
    </message>
    <message>
      <source>'%1' is not a valid number for the %2</source>
      <translation>'%1' não é um número válido para %2</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number</source>
      <translation>'%1' não é um número inteiro válido</translation>
    </message>
    <message>
      <source>'%1' is not a valid whole number for the %2</source>
      <translation>'%1' não é um número inteiro válido para %2</translation>
    </message>
    <message>
      <source>'%1' is not an id: up to 64 letters, digits, - and _</source>
      <translation>'%1' não é um id: até 64 letras, dígitos, - e _</translation>
    </message>
    <message>
      <source>'%1' is out of range for the %2</source>
      <translation>'%1' está fora da faixa para %2</translation>
    </message>
    <message>
      <source>'%1' of %2</source>
      <translation>'%1' de %2</translation>
    </message>
    <message>
      <source>(max-width: 759px)</source>
      <translation>(max-width: 759px)</translation>
    </message>
    <message>
      <source>*** Tethrix - control-line trim calculator - figures for fliers, by fliers ***</source>
      <translation>*** Tethrix - calculadora de trimagem para VCC - valores de pilotos para pilotos ***</translation>
    </message>
    <message>
      <source>,
{"name": </source>
      <translation>,
{"name": </translation>
    </message>
    <message>
      <source>, "Error": </source>
      <translation>, "Error": </translation>
    </message>
    <message>
      <source>, "LapSpeed": </source>
      <translation>, "LapSpeed": </translation>
    </message>
    <message>
      <source>, "Warnings": [</source>
      <translation>, "Warnings": [</translation>
    </message>
    <message>
      <source>, "flights": </source>
      <translation>, "flights": </translation>
    </message>
    <message>
      <source>, "id": </source>
      <translation>, "id": </translation>
    </message>
    <message>
      <source>, "lastFlown": </source>
      <translation>, "lastFlown": </translation>
    </message>
    <message>
      <source>, "lt": </source>
      <translation>, "lt": </translation>
    </message>
    <message>
      <source>, "units": </source>
      <translation>, "units": </translation>
    </message>
    <message>
      <source>, change </source>
      <translation>, variação </translation>
    </message>
    <message>
      <source>, id </source>
      <translation>, id </translation>
    </message>
    <message>
      <source>, last flown </source>
      <translation>, último voo </translation>
    </message>
    <message>
      <source>, never flown</source>
      <translation>, nunca voado</translation>
    </message>
    <message>
      <source>, no change</source>
      <translation>, sem variação</translation>
    </message>
    <message>
      <source>,Lap Speed (</source>
      <translation>,Velocidade de volta (</translation>
    </message>
    <message>
      <source>,Lap Time (seconds) at the same speed</source>
      <translation>,Tempo de volta (segundos) na mesma velocidade</translation>
    </message>
    <message>
      <source>,lt (seconds) at the same speed</source>
      <translation>,lt (segundos) na mesma velocidade</translation>
    </message>
    <message>
      <source>--lang takes one of %1, not '%2'</source>
      <translation>--lang aceita um de %1, não '%2'</translation>
    </message>
    <message>
      <source>. Give its id in place of the name</source>
      <translation>. Informe o id dele no lugar do nome</translation>
    </message>
    <message>
      <source>.charts figure</source>
      <translation>.charts figure</translation>
    </message>
    <message>
      <source>0 0 %s %s</source>
      <translation>0 0 %s %s</translation>
    </message>
    <message>
      <source>A %1</source>
      <translation>A %1</translation>
    </message>
    <message>
      <source>A %1, %2</source>
      <translation>A %1, %2</translation>
    </message>
    <message>
      <source>A %1, no change</source>
      <translation>A %1, sem mudança</translation>
    </message>
    <message>
      <source>A flight cannot be read: %1</source>
      <translation>Não é possível ler um voo: %1</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 airplanes</source>
      <translation>Um hangar comporta no máximo %1 aviões</translation>
    </message>
    <message>
      <source>A hangar holds at most %1 flights</source>
      <translation>Um hangar comporta no máximo %1 voos</translation>
    </message>
    <message>
      <source>A measured lap time must be more than 0 and at most 3600 seconds</source>
      <translation>Um tempo de volta medido deve ser maior que 0 e de no máximo 3600 segundos</translation>
    </message>
    <message>
      <source>A new version of Tethrix is ready.</source>
      <translation>Uma nova versão do Tethrix está pronta.</translation>
    </message>
    <message>
      <source>A number of lines outside 1 to 3 is taken as the nearer of them, as the
window's field does.

Options:
  --json      print one JSON object with every figure at full precision;
              with --sweep, a JSON array of one object per row
  --report F  also write the printed report as the PDF file F
  --units=imperial|metric
              the units of the KEY=VALUE inputs, the sweep range and every
              figure printed (default imperial, whatever the window shows);
              data files and stored conditions are imperial either way, and
              --json keeps its keys and adds "units"
  --no-settings
              use the built-in flying conditions, not the stored ones
  --sweep KEY=FROM:TO:STEP
              print a CSV table: KEY from FROM to TO by STEP (at most 100000
              rows) with every figure and the lap speed at full precision;
              a row that cannot be calculated carries the message instead
  --hold=laptime|speed
              what a sweep of the line length (ll) holds: the lap time (the
              default; the speed rises with the length) or the speed (the lap
              time grows with the flight path; a column "lt (seconds) at the
              same speed" follows ll, and "lt" in --json)
  --compare A.TQD B.TQD
              print both cases and the change from A to B, figure by figure;
              the KEY=VALUE inputs apply to both; with --json one object
              with "A", "B" and "Change", with --csv a table, and
              --report prints B compared with A
  --csv       with --compare: Figure,Unit,A,B,Change rows
  --          every argument after this is a data file
  --help      show this text
  --version   show the version

</source>
      <translation>Um número de cabos fora de 1 a 3 é tomado como o mais próximo deles, como
faz o campo da janela.

Opções:
  --json      imprime um objeto JSON com todos os valores em precisão total;
              com --sweep, um array JSON com um objeto por linha
  --report F  também grava o relatório impresso como o arquivo PDF F
  --units=imperial|metric
              as unidades das entradas KEY=VALUE, do intervalo da varredura
              e de todos os valores impressos (padrão imperial, não importa
              o que a janela mostre); arquivos de dados e condições salvas
              são imperiais de qualquer forma, e --json mantém suas chaves
              e acrescenta "units"
  --no-settings
              usa as condições de voo embutidas, não as salvas
  --sweep KEY=FROM:TO:STEP
              imprime uma tabela CSV: KEY de FROM a TO em passos de STEP (no
              máximo 100000 linhas) com todos os valores e a velocidade de
              volta em precisão total; uma linha que não pode ser calculada
              traz a mensagem no lugar deles
  --hold=laptime|speed
              o que uma varredura do comprimento dos cabos (ll) mantém: o
              tempo de volta (o padrão; a velocidade sobe com o comprimento)
              ou a velocidade (o tempo de volta cresce com a trajetória; uma
              coluna "lt (segundos) na mesma velocidade" vem depois de ll,
              e "lt" no --json)
  --compare A.TQD B.TQD
              imprime os dois casos e a variação de A para B, valor por
              valor; as entradas KEY=VALUE valem para os dois; com --json um
              objeto com "A", "B" e "Change", com --csv uma tabela, e
              --report imprime B comparado com A
  --csv       com --compare: linhas Figure,Unit,A,B,Change
  --          todo argumento depois deste é um arquivo de dados
  --help      mostra este texto
  --version   mostra a versão

</translation>
    </message>
    <message>
      <source>A sensible %1 is %2.</source>
      <translation>Um valor razoável para %1 é %2.</translation>
    </message>
    <message>
      <source>A too large to show</source>
      <translation>A é grande demais para exibir</translation>
    </message>
    <message>
      <source>A: %1</source>
      <translation>A: %1</translation>
    </message>
    <message>
      <source>Added </source>
      <translation>Adicionado </translation>
    </message>
    <message>
      <source>Added %1</source>
      <translation>Adicionados: %1</translation>
    </message>
    <message>
      <source>Airplane</source>
      <translation>Avião</translation>
    </message>
    <message>
      <source>Airplane Name</source>
      <translation>Nome do avião</translation>
    </message>
    <message>
      <source>Airplane Weight</source>
      <translation>Peso do avião</translation>
    </message>
    <message>
      <source>Airplane name</source>
      <translation>Nome do avião</translation>
    </message>
    <message>
      <source>Airplane weight</source>
      <translation>Peso do avião</translation>
    </message>
    <message>
      <source>Airplanes</source>
      <translation>Aviões</translation>
    </message>
    <message>
      <source>Altimeter</source>
      <translation>Altímetro</translation>
    </message>
    <message>
      <source>Altimeter Setting</source>
      <translation>Ajuste do altímetro</translation>
    </message>
    <message>
      <source>Altitude</source>
      <translation>Altitude</translation>
    </message>
    <message>
      <source>Altitude= cannot be given with Elevation= and Altimeter=</source>
      <translation>Altitude= não pode ser dado junto com Elevation= e Altimeter=</translation>
    </message>
    <message>
      <source>An airplane cannot be read: %1</source>
      <translation>Não é possível ler um avião: %1</translation>
    </message>
    <message>
      <source>An airplane needs a name</source>
      <translation>Um avião precisa de um nome</translation>
    </message>
    <message>
      <source>An altimeter setting of %1 %2 is outside the %3 to %4 %2 of any real altimeter.</source>
      <translation>Um ajuste do altímetro de %1 %2 está fora da faixa de %3 a %4 %2 de qualquer altímetro real.</translation>
    </message>
    <message>
      <source>An interpolation table needs at least two points.</source>
      <translation>Uma tabela de interpolação precisa de pelo menos dois pontos.</translation>
    </message>
    <message>
      <source>Apr</source>
      <translation>abr</translation>
    </message>
    <message>
      <source>Arm Length</source>
      <translation>Comprimento do braço</translation>
    </message>
    <message>
      <source>Arm length</source>
      <translation>Comprimento do braço</translation>
    </message>
    <message>
      <source>Atmospheric Pressure</source>
      <translation>Pressão atmosférica</translation>
    </message>
    <message>
      <source>Aug</source>
      <translation>ago</translation>
    </message>
    <message>
      <source>Brelm</source>
      <translation>Brelm</translation>
    </message>
    <message>
      <source>Calculate</source>
      <translation>Calcular</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Cannot Open File %1</source>
      <translation>Não é possível abrir o arquivo %1</translation>
    </message>
    <message>
      <source>Cannot change </source>
      <translation>Não é possível alterar </translation>
    </message>
    <message>
      <source>Cannot open the window's hangar: </source>
      <translation>Não é possível abrir o hangar da janela: </translation>
    </message>
    <message>
      <source>Cannot read </source>
      <translation>Não é possível ler </translation>
    </message>
    <message>
      <source>Cannot read the hangar </source>
      <translation>Não é possível ler o hangar </translation>
    </message>
    <message>
      <source>Cannot write the hangar </source>
      <translation>Não é possível gravar o hangar </translation>
    </message>
    <message>
      <source>Chart against</source>
      <translation>Gráfico em função de</translation>
    </message>
    <message>
      <source>Check the connection and try again.</source>
      <translation>Verifique a conexão e tente de novo.</translation>
    </message>
    <message>
      <source>Clear A</source>
      <translation>Limpar A</translation>
    </message>
    <message>
      <source>Compared with %1 (A's value, then the change from it)</source>
      <translation>Comparado com %1 (o valor de A e depois a diferença em relação a ele)</translation>
    </message>
    <message>
      <source>Computed Data</source>
      <translation>Dados calculados</translation>
    </message>
    <message>
      <source>Correct</source>
      <translation>Corrigir</translation>
    </message>
    <message>
      <source>Date flown (UTC)</source>
      <translation>Data do voo (UTC)</translation>
    </message>
    <message>
      <source>Dec</source>
      <translation>dez</translation>
    </message>
    <message>
      <source>Defaults</source>
      <translation>Padrões</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Excluir</translation>
    </message>
    <message>
      <source>Delete %s from the hangar?</source>
      <translation>Excluir %s do hangar?</translation>
    </message>
    <message>
      <source>Delete the flight of %s from the log?</source>
      <translation>Excluir do diário o voo de %s?</translation>
    </message>
    <message>
      <source>Delete the flights of %s too? OK deletes them; Cancel keeps them in the log.</source>
      <translation>Excluir também os voos de %s? OK os exclui; Cancelar os mantém no diário.</translation>
    </message>
    <message numerus="yes">
      <source>Deleted; %n flight(s) kept</source>
      <translation>
        <numerusform>Excluído; %n voo mantido</numerusform>
        <numerusform>Excluído; %n voos mantidos</numerusform>
      </translation>
    </message>
    <message>
      <source>Density Altitude</source>
      <translation>Altitude-densidade</translation>
    </message>
    <message>
      <source>Downwind Tension</source>
      <translation>Tensão a favor do vento</translation>
    </message>
    <message>
      <source>Duplicate</source>
      <translation>Duplicar</translation>
    </message>
    <message>
      <source>Elevation</source>
      <translation>Elevação</translation>
    </message>
    <message>
      <source>Elevation, Altimeter: </source>
      <translation>Elevação, altímetro: </translation>
    </message>
    <message>
      <source>Elevation= and Altimeter= go together</source>
      <translation>Elevation= e Altimeter= andam juntos</translation>
    </message>
    <message>
      <source>Engine</source>
      <translation>Motor</translation>
    </message>
    <message>
      <source>Enter</source>
      <translation>Enter</translation>
    </message>
    <message>
      <source>Error</source>
      <translation>Erro</translation>
    </message>
    <message>
      <source>Exit status:
  0  success
  1  the inputs cannot be calculated, or a file cannot be read or written;
     the message on standard error says why, and nothing is printed on
     standard output
  2  a usage error: an unknown key or option, a value that is not a
     number, a missing or repeated option, or options that cannot be
     combined (--sweep with --report or --compare, --hold without --sweep,
     --compare without two files)
</source>
      <translation>Código de saída:
  0  sucesso
  1  as entradas não podem ser calculadas, ou um arquivo não pode ser lido
     ou gravado; a mensagem na saída de erro padrão diz por quê, e nada é
     impresso na saída padrão
  2  erro de uso: uma chave ou opção desconhecida, um valor que não é um
     número, uma opção faltando ou repetida, ou opções que não podem ser
     combinadas (--sweep com --report ou --compare, --hold sem --sweep,
     --compare sem dois arquivos)
</translation>
    </message>
    <message>
      <source>Export the hangar</source>
      <translation>Exportar o hangar</translation>
    </message>
    <message>
      <source>Export the hangar now and then to keep a copy.</source>
      <translation>Exporte o hangar de vez em quando para ter uma cópia.</translation>
    </message>
    <message>
      <source>Export this airplane</source>
      <translation>Exportar este avião</translation>
    </message>
    <message>
      <source>FROM and TO must fit the input (at most 3.4E38 in size)</source>
      <translation>FROM e TO devem caber na entrada (no máximo 3.4E38 em módulo)</translation>
    </message>
    <message>
      <source>FROM, TO and STEP must be finite numbers</source>
      <translation>FROM, TO e STEP devem ser números finitos</translation>
    </message>
    <message>
      <source>Failed to set data for '%1': %2</source>
      <translation>Falha ao definir os dados de '%1': %2</translation>
    </message>
    <message>
      <source>Feb</source>
      <translation>fev</translation>
    </message>
    <message>
      <source>Field Elevation</source>
      <translation>Elevação do campo</translation>
    </message>
    <message>
      <source>Figures are out of date: press Enter</source>
      <translation>Os valores estão desatualizados: pressione Enter</translation>
    </message>
    <message>
      <source>Files and printing</source>
      <translation>Arquivos e impressão</translation>
    </message>
    <message>
      <source>Fill Preasure Altitude</source>
      <translation>Preencher altitude-pressão</translation>
    </message>
    <message>
      <source>Fixed Pull Test</source>
      <translation>Teste de tração fixo</translation>
    </message>
    <message>
      <source>Fixed pull test load, in place of the multiple (0: none)</source>
      <translation>Carga fixa do teste de tração, no lugar do múltiplo (0: nenhuma)</translation>
    </message>
    <message>
      <source>Flight Radius</source>
      <translation>Raio de voo</translation>
    </message>
    <message>
      <source>Flights</source>
      <translation>Voos</translation>
    </message>
    <message>
      <source>Floating point division by zero</source>
      <translation>Divisão de ponto flutuante por zero</translation>
    </message>
    <message>
      <source>Floating point overflow</source>
      <translation>Estouro de ponto flutuante</translation>
    </message>
    <message>
      <source>Flown (UTC)</source>
      <translation>Data do voo (UTC)</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Data do voo (hora local)</translation>
    </message>
    <message>
      <source>Flying alone? With the phone in a pocket or in the hand,</source>
      <translation>Voando sozinho? Com o celular no bolso ou na mão,</translation>
    </message>
    <message>
      <source>Flying conditions (Advanced Input Data)</source>
      <translation>Condições de voo (Dados de entrada avançados)</translation>
    </message>
    <message>
      <source>Flying conditions changed in another tab: %s.</source>
      <translation>As condições de voo mudaram em outra aba: %s.</translation>
    </message>
    <message>
      <source>Fri</source>
      <translation>sex</translation>
    </message>
    <message>
      <source>From %1: %2.</source>
      <translation>De %1: %2.</translation>
    </message>
    <message>
      <source>From %1: %2; %3.</source>
      <translation>De %1: %2; %3.</translation>
    </message>
    <message>
      <source>Fuel</source>
      <translation>Combustível</translation>
    </message>
    <message>
      <source>General</source>
      <translation>General</translation>
    </message>
    <message>
      <source>Ground Speed</source>
      <translation>Velocidade no solo</translation>
    </message>
    <message>
      <source>Gyroscope</source>
      <translation>Gyroscope</translation>
    </message>
    <message>
      <source>Handle Angle</source>
      <translation>Ângulo do manete</translation>
    </message>
    <message>
      <source>Handle Spacing</source>
      <translation>Espaçamento do manete</translation>
    </message>
    <message>
      <source>Handle angle</source>
      <translation>Ângulo do manete</translation>
    </message>
    <message>
      <source>Handle/Leadout Length</source>
      <translation>Comprimento manete/guias</translation>
    </message>
    <message>
      <source>Handle/leadout length</source>
      <translation>Comprimento manete/guias</translation>
    </message>
    <message>
      <source>Hangar</source>
      <translation>Hangar</translation>
    </message>
    <message>
      <source>Hangar and Trim Log</source>
      <translation>Hangar e diário de trimagem</translation>
    </message>
    <message>
      <source>Hangar commands (FILE: a hangar file, as the window and the page export it;
without FILE, the window's own hangar):
  --hangar [FILE] [--json]
              list the airplanes: name, id, when last flown (UTC), flights
  --hangar [FILE] --airplane NAME [KEY=VALUE ...] [options]
              calculate an airplane (NAME: its name or its id) as its data
              file would be; every option above but --compare works with it
  --hangar [FILE] --add A.TQD ... [--json]
              keep each data file as a new airplane; a file that cannot be
              read adds none of them. FILE is created when not there yet
  --hangar [FILE] --log [NAME] [--csv|--json] [--units=imperial|metric]
              print the trim log, newest first, of every airplane or of
              NAME's: a short table; --csv every column of NAME's log, as
              the window exports it; --json the flights as the hangar file
              holds them (imperial)
  FILE is the argument after --hangar unless it starts with '-'. A NAME that
  matches no airplane, or several, is an error (exit status 1) naming what
  the hangar holds.

</source>
      <translation>Comandos do hangar (FILE: um arquivo de hangar, como a janela e a página o
exportam; sem FILE, o próprio hangar da janela):
  --hangar [FILE] [--json]
              lista os aviões: nome, id, último voo (UTC), voos
  --hangar [FILE] --airplane NAME [KEY=VALUE ...] [options]
              calcula um avião (NAME: o nome ou o id dele) como o arquivo de
              dados dele seria calculado; toda opção acima, menos --compare,
              funciona com ele
  --hangar [FILE] --add A.TQD ... [--json]
              salva cada arquivo de dados como um avião novo; se um arquivo
              não puder ser lido, nenhum é adicionado. FILE é criado quando
              ainda não existe
  --hangar [FILE] --log [NAME] [--csv|--json] [--units=imperial|metric]
              imprime o diário de trimagem, do mais recente ao mais antigo,
              de todos os aviões ou do avião NAME: uma tabela curta; --csv
              todas as colunas do diário de NAME, como a janela as exporta;
              --json os voos como o arquivo de hangar os guarda (imperiais)
  FILE é o argumento depois de --hangar, a menos que comece com '-'. Um NAME
  que não corresponda a nenhum avião, ou a vários, é um erro (código de
  saída 1) que cita o que o hangar contém.

</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Manter o tempo de volta</translation>
    </message>
    <message>
      <source>Hold the phone still for a second.</source>
      <translation>Segure o celular parado por um segundo.</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Manter a velocidade</translation>
    </message>
    <message>
      <source>Humidity</source>
      <translation>Umidade</translation>
    </message>
    <message>
      <source>Id</source>
      <translation>Id</translation>
    </message>
    <message>
      <source>Imperial</source>
      <translation>Imperiais</translation>
    </message>
    <message>
      <source>Inboard Wing Length</source>
      <translation>Comprimento da asa interna</translation>
    </message>
    <message>
      <source>Inboard wing length</source>
      <translation>Comprimento da asa interna</translation>
    </message>
    <message>
      <source>Input </source>
      <translation>Entrada </translation>
    </message>
    <message>
      <source>Input Data</source>
      <translation>Dados de entrada</translation>
    </message>
    <message>
      <source>Interpolation table abscissae must be strictly increasing.</source>
      <translation>As abscissas da tabela de interpolação devem ser estritamente crescentes.</translation>
    </message>
    <message>
      <source>Invalid data type for '%1': %2</source>
      <translation>Tipo de dado inválido para '%1': %2</translation>
    </message>
    <message>
      <source>Invalid floating point operation</source>
      <translation>Operação de ponto flutuante inválida</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is neither Imperial nor Metric; %3</source>
      <translation>Valor inválido para '%1': '%2' não é Imperial nem Metric; %3</translation>
    </message>
    <message>
      <source>Invalid value for '%1': '%2' is no language of Tethrix; %3</source>
      <translation>Valor inválido para '%1': '%2' não é um idioma do Tethrix; %3</translation>
    </message>
    <message>
      <source>It is calculated as %1.</source>
      <translation>O cálculo usa %1.</translation>
    </message>
    <message>
      <source>It reads like %1; this field takes %2.</source>
      <translation>Parece estar em %1; este campo aceita %2.</translation>
    </message>
    <message>
      <source>Jan</source>
      <translation>jan</translation>
    </message>
    <message>
      <source>Jul</source>
      <translation>jul</translation>
    </message>
    <message>
      <source>Jun</source>
      <translation>jun</translation>
    </message>
    <message>
      <source>Keep as A</source>
      <translation>Salvar como A</translation>
    </message>
    <message>
      <source>Keep as a new airplane</source>
      <translation>Salvar como avião novo</translation>
    </message>
    <message>
      <source>Keep changes</source>
      <translation>Salvar alterações</translation>
    </message>
    <message>
      <source>Keep the correction</source>
      <translation>Salvar a correção</translation>
    </message>
    <message>
      <source>Kept on this device for the next visit.</source>
      <translation>Guardado neste dispositivo para a próxima visita.</translation>
    </message>
    <message>
      <source>Language</source>
      <translation>Idioma</translation>
    </message>
    <message>
      <source>Lap %1: %2</source>
      <translation>Volta %1: %2</translation>
    </message>
    <message>
      <source>Lap %1: %2 (double tap, left out)</source>
      <translation>Volta %1: %2 (toque duplo, descartada)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (irregular, left out)</source>
      <translation>Volta %1: %2 (irregular, descartada)</translation>
    </message>
    <message>
      <source>Lap %1: %2 (missed tap, left out)</source>
      <translation>Volta %1: %2 (toque perdido, descartada)</translation>
    </message>
    <message>
      <source>Lap Speed</source>
      <translation>Velocidade de volta</translation>
    </message>
    <message>
      <source>Lap Speed = </source>
      <translation>Velocidade de volta = </translation>
    </message>
    <message>
      <source>Lap Speed = %1</source>
      <translation>Velocidade de volta = %1</translation>
    </message>
    <message>
      <source>Lap Speed: A = </source>
      <translation>Velocidade de volta: A = </translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Tempo de volta</translation>
    </message>
    <message>
      <source>Lap Time (seconds)</source>
      <translation>Tempo de volta (segundos)</translation>
    </message>
    <message>
      <source>Lap Time Measured</source>
      <translation>Tempo de volta medido</translation>
    </message>
    <message>
      <source>Lap Time Measured (seconds)</source>
      <translation>Tempo de volta medido (segundos)</translation>
    </message>
    <message>
      <source>Lap Timer</source>
      <translation>Cronômetro de voltas</translation>
    </message>
    <message>
      <source>Lap time</source>
      <translation>Tempo de volta</translation>
    </message>
    <message>
      <source>Lap time and line tension against the %s</source>
      <translation>Tempo de volta e tensão nos cabos em função de %s</translation>
    </message>
    <message>
      <source>Last flown %s</source>
      <translation>Último voo %s</translation>
    </message>
    <message>
      <source>Last flown (UTC)</source>
      <translation>Último voo (UTC)</translation>
    </message>
    <message>
      <source>Last lap %1.</source>
      <translation>Última volta: %1.</translation>
    </message>
    <message>
      <source>Leadout Position</source>
      <translation>Posição das guias</translation>
    </message>
    <message>
      <source>Leadout Position Behind CG</source>
      <translation>Posição das guias atrás do CG</translation>
    </message>
    <message>
      <source>Leadout Rake</source>
      <translation>Inclinação das guias</translation>
    </message>
    <message>
      <source>Line Diameter</source>
      <translation>Diâmetro dos cabos</translation>
    </message>
    <message>
      <source>Line Drag</source>
      <translation>Arrasto dos cabos</translation>
    </message>
    <message>
      <source>Line Drag Area</source>
      <translation>Área de arrasto dos cabos</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Comprimento dos cabos</translation>
    </message>
    <message>
      <source>Line Length (%s)</source>
      <translation>Comprimento dos cabos (%s)</translation>
    </message>
    <message>
      <source>Line Length (Eye to Eye)</source>
      <translation>Comprimento dos cabos (olho a olho)</translation>
    </message>
    <message>
      <source>Line Power</source>
      <translation>Potência dos cabos</translation>
    </message>
    <message>
      <source>Line Projection</source>
      <translation>Projeção dos cabos</translation>
    </message>
    <message>
      <source>Line RN at WT</source>
      <translation>RN dos cabos na ponta da asa</translation>
    </message>
    <message>
      <source>Line Tension</source>
      <translation>Tensão nos cabos</translation>
    </message>
    <message>
      <source>Line Weight</source>
      <translation>Peso dos cabos</translation>
    </message>
    <message>
      <source>Line diameter</source>
      <translation>Diâmetro dos cabos</translation>
    </message>
    <message>
      <source>Line length chart</source>
      <translation>Gráfico do comprimento dos cabos</translation>
    </message>
    <message>
      <source>Line length, eye to eye</source>
      <translation>Comprimento dos cabos, olho a olho</translation>
    </message>
    <message>
      <source>Line tension, leadout position, line projection and leadout rake around the current case, each on its own scale.</source>
      <translation>Tensão nos cabos, posição das guias, projeção dos cabos e inclinação das guias em torno do caso atual, cada uma na sua própria escala.</translation>
    </message>
    <message>
      <source>Loading</source>
      <translation>Carregando</translation>
    </message>
    <message>
      <source>Loading the calculator…</source>
      <translation>Carregando a calculadora…</translation>
    </message>
    <message>
      <source>Log a flight</source>
      <translation>Registrar um voo</translation>
    </message>
    <message>
      <source>Log a flight (keeps this airplane)</source>
      <translation>Registrar um voo (salva este avião)</translation>
    </message>
    <message>
      <source>Log flights with a lap time measured to see them here.</source>
      <translation>Registre voos com tempo de volta medido para vê-los aqui.</translation>
    </message>
    <message>
      <source>Log this flight</source>
      <translation>Registrar este voo</translation>
    </message>
    <message>
      <source>Logged a flight with a lap time of %s s.</source>
      <translation>Voo registrado com tempo de volta de %s s.</translation>
    </message>
    <message>
      <source>Mar</source>
      <translation>mar</translation>
    </message>
    <message>
      <source>May</source>
      <translation>mai</translation>
    </message>
    <message>
      <source>Mean of the last %1: %2, spread %3 s.</source>
      <translation>Média das últimas %1: %2, dispersão de %3 s.</translation>
    </message>
    <message>
      <source>Metric</source>
      <translation>Métricas</translation>
    </message>
    <message>
      <source>Mon</source>
      <translation>seg</translation>
    </message>
    <message>
      <source>Motion sensors are missing or were refused here: tap at each pass instead.</source>
      <translation>Os sensores de movimento não existem aqui ou foram negados: toque a cada passagem.</translation>
    </message>
    <message>
      <source>Name</source>
      <translation>Nome</translation>
    </message>
    <message>
      <source>Name of the copy of %s:</source>
      <translation>Nome da cópia de %s:</translation>
    </message>
    <message>
      <source>Needle or Timer</source>
      <translation>Agulha ou timer</translation>
    </message>
    <message>
      <source>New name for %s:</source>
      <translation>Novo nome para %s:</translation>
    </message>
    <message>
      <source>No airplane of the hangar is open.</source>
      <translation>Nenhum avião do hangar está aberto.</translation>
    </message>
    <message>
      <source>No chart sweeps '%1'</source>
      <translation>Nenhum gráfico varre '%1'</translation>
    </message>
    <message>
      <source>No figure '%1'</source>
      <translation>Não há valor '%1'</translation>
    </message>
    <message>
      <source>No figures to draw: </source>
      <translation>Nenhum valor para desenhar: </translation>
    </message>
    <message>
      <source>No flights logged yet.</source>
      <translation>Ainda não há voos registrados.</translation>
    </message>
    <message>
      <source>No flights logged.
</source>
      <translation>Nenhum voo registrado.
</translation>
    </message>
    <message>
      <source>No font is installed to draw the report with</source>
      <translation>Nenhuma fonte instalada para desenhar o relatório</translation>
    </message>
    <message>
      <source>Not flown yet</source>
      <translation>Ainda não voado</translation>
    </message>
    <message>
      <source>Notes</source>
      <translation>Notas</translation>
    </message>
    <message>
      <source>Notes on the airplane (engine, prop, anything)</source>
      <translation>Notas sobre o avião (motor, hélice, o que quiser)</translation>
    </message>
    <message>
      <source>Notes on the flight</source>
      <translation>Notas sobre o voo</translation>
    </message>
    <message>
      <source>Nothing changed: the hangar already holds everything in %1.</source>
      <translation>Nada mudou: o hangar já contém tudo o que há em %1.</translation>
    </message>
    <message>
      <source>Nothing will be kept on this device: </source>
      <translation>Nada será guardado neste dispositivo: </translation>
    </message>
    <message>
      <source>Nov</source>
      <translation>nov</translation>
    </message>
    <message>
      <source>Number of Lines</source>
      <translation>Número de cabos</translation>
    </message>
    <message>
      <source>Number of lines (1 to 3)</source>
      <translation>Número de cabos (1 a 3)</translation>
    </message>
    <message>
      <source>Oct</source>
      <translation>out</translation>
    </message>
    <message>
      <source>Open</source>
      <translation>Abrir</translation>
    </message>
    <message>
      <source>Open A…</source>
      <translation>Abrir A…</translation>
    </message>
    <message>
      <source>Open: </source>
      <translation>Aberto: </translation>
    </message>
    <message>
      <source>Preasure</source>
      <translation>Pressão</translation>
    </message>
    <message>
      <source>Preasure Altitude</source>
      <translation>Altitude-pressão</translation>
    </message>
    <message>
      <source>Press &lt;Enter&gt; in any field to Recalculate</source>
      <translation>Pressione &lt;Enter&gt; em qualquer campo para recalcular</translation>
    </message>
    <message>
      <source>Pressure altitude</source>
      <translation>Altitude-pressão</translation>
    </message>
    <message>
      <source>Pressure altitude from the field:</source>
      <translation>Altitude-pressão a partir do campo:</translation>
    </message>
    <message>
      <source>Print</source>
      <translation>Imprimir</translation>
    </message>
    <message>
      <source>Print the log</source>
      <translation>Imprimir o diário</translation>
    </message>
    <message>
      <source>Printed %1 %2 %3 %4:%5:%6 %7</source>
      <translation>Impresso em %1 %2 %3 %4:%5:%6 %7</translation>
    </message>
    <message>
      <source>Prop</source>
      <translation>Hélice</translation>
    </message>
    <message>
      <source>Pull Test</source>
      <translation>Teste de tração</translation>
    </message>
    <message>
      <source>Pull test load</source>
      <translation>Carga do teste de tração</translation>
    </message>
    <message>
      <source>Qt's SQLite driver is not installed (libqt6sql6-sqlite)</source>
      <translation>O driver SQLite do Qt não está instalado (libqt6sql6-sqlite)</translation>
    </message>
    <message>
      <source>Relative Humidity</source>
      <translation>Umidade relativa</translation>
    </message>
    <message>
      <source>Relative humidity</source>
      <translation>Umidade relativa</translation>
    </message>
    <message>
      <source>Reload</source>
      <translation>Recarregar</translation>
    </message>
    <message>
      <source>Rename</source>
      <translation>Renomear</translation>
    </message>
    <message>
      <source>Replace </source>
      <translation>Substituir </translation>
    </message>
    <message>
      <source>Report</source>
      <translation>Report</translation>
    </message>
    <message>
      <source>Results</source>
      <translation>Results</translation>
    </message>
    <message>
      <source>Sat</source>
      <translation>sáb</translation>
    </message>
    <message>
      <source>Save</source>
      <translation>Salvar</translation>
    </message>
    <message>
      <source>Sep</source>
      <translation>set</translation>
    </message>
    <message>
      <source>Show its log</source>
      <translation>Mostrar o diário dele</translation>
    </message>
    <message>
      <source>Start Again</source>
      <translation>Recomeçar</translation>
    </message>
    <message>
      <source>Stopped after {laps}.</source>
      <translation>Parado após {laps}.</translation>
    </message>
    <message>
      <source>Stored conditions not used: %s The built-in values stand in </source>
      <translation>Condições salvas não usadas: %s Os valores embutidos ficam no </translation>
    </message>
    <message>
      <source>Sun</source>
      <translation>dom</translation>
    </message>
    <message>
      <source>TETHRIX_LANG=%1 is not a language of tethrix-calc (%2): English is used</source>
      <translation>TETHRIX_LANG=%1 não é um idioma do tethrix-calc (%2): usa-se o inglês</translation>
    </message>
    <message>
      <source>Tap Calculate to recalculate</source>
      <translation>Toque em Calcular para recalcular</translation>
    </message>
    <message>
      <source>Tap at each pass</source>
      <translation>Toque a cada passagem</translation>
    </message>
    <message>
      <source>Tap once at the start, then at each pass.</source>
      <translation>Toque uma vez no início e depois a cada passagem.</translation>
    </message>
    <message>
      <source>Temp</source>
      <translation>Temp</translation>
    </message>
    <message>
      <source>Temperature</source>
      <translation>Temperatura</translation>
    </message>
    <message>
      <source>Temprature</source>
      <translation>Temperatura</translation>
    </message>
    <message>
      <source>Tethrix</source>
      <translation>Tethrix</translation>
    </message>
    <message>
      <source>Tethrix Data File</source>
      <translation>Arquivo de dados do Tethrix</translation>
    </message>
    <message>
      <source>Tethrix Print Job</source>
      <translation>Impressão do Tethrix</translation>
    </message>
    <message>
      <source>The %1 cannot hold control characters other than line breaks and tabs</source>
      <translation>%1 não pode conter caracteres de controle além de quebras de linha e tabulações</translation>
    </message>
    <message>
      <source>The %1 cannot hold line breaks, tabs or other control characters</source>
      <translation>%1 não pode conter quebras de linha, tabulações nem outros caracteres de controle</translation>
    </message>
    <message>
      <source>The %1 is infinite</source>
      <translation>%1 é infinito</translation>
    </message>
    <message>
      <source>The %1 is longer than %2 characters</source>
      <translation>%1 tem mais de %2 caracteres</translation>
    </message>
    <message>
      <source>The %1 is missing</source>
      <translation>Falta %1</translation>
    </message>
    <message>
      <source>The %1 is not a number</source>
      <translation>%1 não é um número</translation>
    </message>
    <message>
      <source>The %1 is not valid UTF-8 text</source>
      <translation>%1 não é texto UTF-8 válido</translation>
    </message>
    <message>
      <source>The %1 time '%2' is not a UTC time such as 2026-12-09T04:30:00Z</source>
      <translation>O horário %1 '%2' não é um horário UTC como 2026-12-09T04:30:00Z</translation>
    </message>
    <message>
      <source>The Pull Test, %1, is at or below the %2, %3: it does not prove the lines and handle for this flight.</source>
      <translation>O teste de tração, %1, é igual ou menor que %2, %3: ele não garante os cabos e o manete para este voo.</translation>
    </message>
    <message>
      <source>The air is too hot and humid: the water vapour pressure reaches the air pressure.</source>
      <translation>O ar está quente e úmido demais: a pressão do vapor d'água chega à pressão do ar.</translation>
    </message>
    <message>
      <source>The air is too thin at this pressure altitude: the water vapour pressure reaches the air pressure.</source>
      <translation>O ar está rarefeito demais nesta altitude-pressão: a pressão do vapor d'água chega à pressão do ar.</translation>
    </message>
    <message>
      <source>The airplane is no longer in the hangar</source>
      <translation>O avião não está mais no hangar</translation>
    </message>
    <message>
      <source>The airplane of this flight is not in the hangar</source>
      <translation>O avião deste voo não está no hangar</translation>
    </message>
    <message>
      <source>The airspeed on these lines is outside the %1 to %2 mph the line model takes: it is calculated at %3 mph.</source>
      <translation>A velocidade do ar com estes cabos está fora da faixa de %1 a %2 mph que o modelo dos cabos aceita: o cálculo usa %3 mph.</translation>
    </message>
    <message>
      <source>The altimeter setting must be more than 0.</source>
      <translation>O ajuste do altímetro deve ser maior que 0.</translation>
    </message>
    <message>
      <source>The browser has not promised to keep the hangar: it may clear it when space runs short. </source>
      <translation>O navegador não garantiu guardar o hangar: ele pode apagá-lo quando faltar espaço. </translation>
    </message>
    <message>
      <source>The browser has promised to keep the hangar on this device.</source>
      <translation>O navegador garantiu guardar o hangar neste dispositivo.</translation>
    </message>
    <message>
      <source>The calculator could not be loaded:</source>
      <translation>Não foi possível carregar a calculadora:</translation>
    </message>
    <message>
      <source>The case kept from the last visit could not be used (%s): </source>
      <translation>Não foi possível usar o caso guardado da última visita (%s): </translation>
    </message>
    <message>
      <source>The change was not kept: the folder %1 could not be made (%2).</source>
      <translation>A alteração não foi salva: não foi possível criar a pasta %1 (%2).</translation>
    </message>
    <message>
      <source>The change was not kept: the hangar %1 could not be written (%2).</source>
      <translation>A alteração não foi salva: não foi possível gravar o hangar %1 (%2).</translation>
    </message>
    <message>
      <source>The field elevation lies outside the atmosphere the program can model.</source>
      <translation>A elevação do campo fica fora da atmosfera que o programa consegue modelar.</translation>
    </message>
    <message>
      <source>The figures belong to the inputs shown.</source>
      <translation>Os valores correspondem aos dados mostrados.</translation>
    </message>
    <message>
      <source>The flight is no longer in the log</source>
      <translation>O voo não está mais no diário</translation>
    </message>
    <message>
      <source>The flight radius is zero or negative: the arm length is too long for the line length at this handle angle.</source>
      <translation>O raio de voo é zero ou negativo: o comprimento do braço é grande demais para o comprimento dos cabos com este ângulo do manete.</translation>
    </message>
    <message>
      <source>The flight was not logged: %s</source>
      <translation>O voo não foi registrado: %s</translation>
    </message>
    <message>
      <source>The flight was not logged: a flight of the log is being corrected.</source>
      <translation>O voo não foi registrado: um voo do diário está sendo corrigido.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): Tethrix works without a hangar.</source>
      <translation>Não é possível ler o hangar %1 (%2): o Tethrix funciona sem hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (%2): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Não é possível ler o hangar %1 (%2): ele é mantido como está, e o Tethrix funciona sem hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be read (it is not a Tethrix hangar): it is kept as it is, and Tethrix works without a hangar.</source>
      <translation>Não é possível ler o hangar %1 (não é um hangar do Tethrix): ele é mantido como está, e o Tethrix funciona sem hangar.</translation>
    </message>
    <message>
      <source>The hangar %1 cannot be written (%2): it is shown read-only.</source>
      <translation>Não é possível gravar o hangar %1 (%2): ele é exibido somente para leitura.</translation>
    </message>
    <message>
      <source>The hangar %1 holds what this version of Tethrix cannot read (%2): it is shown read-only and kept as it is.</source>
      <translation>O hangar %1 contém dados que esta versão do Tethrix não consegue ler (%2): ele é exibido somente para leitura e mantido como está.</translation>
    </message>
    <message>
      <source>The hangar %1 was not brought up to date for this version of Tethrix, so the change was not kept: its backup copy %2 could not be made (%3).</source>
      <translation>O hangar %1 não foi atualizado para esta versão do Tethrix, por isso a alteração não foi salva: não foi possível fazer a cópia de segurança %2 (%3).</translation>
    </message>
    <message>
      <source>The hangar %1 was written by a newer version of Tethrix (database version %2; this one knows up to %3): it is shown read-only and kept as it is.</source>
      <translation>O hangar %1 foi gravado por uma versão mais nova do Tethrix (versão do banco de dados %2; esta conhece até a %3): ele é exibido somente para leitura e mantido como está.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept in %1 (%2): airplanes and flights will not be kept.</source>
      <translation>Não é possível guardar o hangar em %1 (%2): aviões e voos não serão salvos.</translation>
    </message>
    <message>
      <source>The hangar cannot be kept: this system names no folder for the user's data.</source>
      <translation>Não é possível guardar o hangar: este sistema não indica nenhuma pasta para os dados do usuário.</translation>
    </message>
    <message>
      <source>The hangar cannot be read: %1</source>
      <translation>Não é possível ler o hangar: %1</translation>
    </message>
    <message>
      <source>The hangar could not be loaded: %s.</source>
      <translation>Não foi possível carregar o hangar: %s.</translation>
    </message>
    <message>
      <source>The hangar is too large for one file of at most 16 MiB: export its airplanes apart</source>
      <translation>O hangar é grande demais para um arquivo de no máximo 16 MiB: exporte os aviões separadamente</translation>
    </message>
    <message>
      <source>The hangar on this device holds records this page cannot read, so it changes </source>
      <translation>O hangar deste dispositivo contém registros que esta página não consegue ler, por isso ela não altera </translation>
    </message>
    <message>
      <source>The lap timer could not be loaded: %s</source>
      <translation>Não foi possível carregar o cronômetro de voltas: %s</translation>
    </message>
    <message>
      <source>The last change was not kept: %s.</source>
      <translation>A última alteração não foi salva: %s.</translation>
    </message>
    <message>
      <source>The last change was not kept: other tabs kept changing the hangar.</source>
      <translation>A última alteração não foi salva: outras abas continuaram alterando o hangar.</translation>
    </message>
    <message>
      <source>The motion sensors stopped%s.</source>
      <translation>Os sensores de movimento pararam%s.</translation>
    </message>
    <message>
      <source>The page stays in English: %s</source>
      <translation>A página continua em inglês: %s</translation>
    </message>
    <message>
      <source>The phone moved: hold it still for a second to start.</source>
      <translation>O celular se mexeu: segure-o parado por um segundo para começar.</translation>
    </message>
    <message>
      <source>The pressure altitude lies outside the atmosphere the program can model.</source>
      <translation>A altitude-pressão fica fora da atmosfera que o programa consegue modelar.</translation>
    </message>
    <message>
      <source>The printer could not finish the document</source>
      <translation>A impressora não conseguiu terminar o documento</translation>
    </message>
    <message>
      <source>The printer could not start the document</source>
      <translation>A impressora não conseguiu iniciar o documento</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read (%2): it is kept as it is; the built-in conditions and units are used, and nothing is stored until it is mended or removed</source>
      <translation>Não é possível ler o arquivo de configurações %1 (%2): ele é mantido como está; as condições e unidades embutidas são usadas, e nada é salvo até que ele seja reparado ou removido</translation>
    </message>
    <message>
      <source>The settings file %1 cannot be read: the stored values it holds are not used</source>
      <translation>Não é possível ler o arquivo de configurações %1: os valores salvos nele não são usados</translation>
    </message>
    <message>
      <source>The start kept on this device was not this page's own (%s): it was dropped.</source>
      <translation>O início guardado neste dispositivo não era desta página (%s): foi descartado.</translation>
    </message>
    <message>
      <source>The stored '%1' is longer than %2 characters: %3</source>
      <translation>O valor salvo '%1' tem mais de %2 caracteres: %3</translation>
    </message>
    <message>
      <source>The stored '%1' is missing: %2</source>
      <translation>Falta o valor salvo '%1': %2</translation>
    </message>
    <message>
      <source>The stored settings cannot be read (%1): the defaults are used</source>
      <translation>Não é possível ler as configurações salvas (%1): são usados os padrões</translation>
    </message>
    <message>
      <source>The temperature is at or below absolute zero (-459.67 deg. F).</source>
      <translation>A temperatura é igual ou inferior ao zero absoluto (-459.67 °F).</translation>
    </message>
    <message>
      <source>The timer stopped when the screen locked or the page was hidden, after {laps}.</source>
      <translation>O cronômetro parou quando a tela bloqueou ou a página foi ocultada, após {laps}.</translation>
    </message>
    <message>
      <source>The wind speed equals the airspeed.</source>
      <translation>A velocidade do vento é igual à velocidade do ar.</translation>
    </message>
    <message>
      <source>There is already a flight with the id %1</source>
      <translation>Já existe um voo com o id %1</translation>
    </message>
    <message>
      <source>There is already an airplane with the id %1</source>
      <translation>Já existe um avião com o id %1</translation>
    </message>
    <message>
      <source>This is not a hangar file Tethrix can read: %1</source>
      <translation>Este não é um arquivo de hangar que o Tethrix consiga ler: %1</translation>
    </message>
    <message>
      <source>Thu</source>
      <translation>qui</translation>
    </message>
    <message>
      <source>Time my laps</source>
      <translation>Cronometrar minhas voltas</translation>
    </message>
    <message>
      <source>Timing your turns. Hold here for 1.5 s to stop.</source>
      <translation>Cronometrando suas voltas. Segure aqui por 1.5 s para parar.</translation>
    </message>
    <message>
      <source>Timing: %1 turns so far. The first lap is left out.</source>
      <translation>Cronometrando: %1 voltas até agora. A primeira volta é descartada.</translation>
    </message>
    <message>
      <source>Timing: tap at each pass.</source>
      <translation>Cronometrando: toque a cada passagem.</translation>
    </message>
    <message>
      <source>Tip Weight</source>
      <translation>Peso na ponta</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Gráficos de trimagem</translation>
    </message>
    <message>
      <source>Trim calculator for control-line model airplanes</source>
      <translation>Calculadora de trimagem para aeromodelos de voo circular controlado (VCC)</translation>
    </message>
    <message>
      <source>Trim figures against %s</source>
      <translation>Valores de ajuste em função de %s</translation>
    </message>
    <message>
      <source>Trim figures against Lap Time (seconds)</source>
      <translation>Valores de trimagem em função do tempo de volta (segundos)</translation>
    </message>
    <message>
      <source>Trim log</source>
      <translation>Diário de trimagem</translation>
    </message>
    <message>
      <source>Trim log of </source>
      <translation>Diário de trimagem de </translation>
    </message>
    <message>
      <source>Try again</source>
      <translation>Tentar de novo</translation>
    </message>
    <message>
      <source>Tue</source>
      <translation>ter</translation>
    </message>
    <message>
      <source>Two airplanes have the same id</source>
      <translation>Dois aviões têm o mesmo id</translation>
    </message>
    <message>
      <source>Two flights have the same id</source>
      <translation>Dois voos têm o mesmo id</translation>
    </message>
    <message>
      <source>Units</source>
      <translation>Unidades</translation>
    </message>
    <message>
      <source>Unknown input '%1'</source>
      <translation>Dado desconhecido '%1'</translation>
    </message>
    <message>
      <source>Updated %1</source>
      <translation>Atualizados: %1</translation>
    </message>
    <message>
      <source>Usage: tethrix-calc [FILE.TQD] [KEY=VALUE ...] [--units=imperial|metric] [--json]
                   [--report FILE.pdf]
       tethrix-calc --sweep KEY=FROM:TO:STEP [--hold=laptime|speed] [--units=...] [--json]
                    [FILE.TQD] [KEY=VALUE ...]
       tethrix-calc --hangar [FILE] [--airplane NAME | --add A.TQD ... | --log [NAME]]
Computes the trim figures of a control-line airplane. The flying conditions
are the ones the window keeps (Advanced &gt; Data Entry), unless --no-settings;
a data file is applied next, as the window's File &gt; Open does, then the
KEY=VALUE inputs. tethrix-calc never changes the stored settings.
A file whose name contains '=' can be given after '--'.

Keys (any letter case; numbers with '.' as decimal point; metric units
in brackets, for --units=metric):
</source>
      <translation>Uso: tethrix-calc [FILE.TQD] [KEY=VALUE ...] [--units=imperial|metric] [--json]
                 [--report FILE.pdf]
     tethrix-calc --sweep KEY=FROM:TO:STEP [--hold=laptime|speed] [--units=...] [--json]
                  [FILE.TQD] [KEY=VALUE ...]
     tethrix-calc --hangar [FILE] [--airplane NAME | --add A.TQD ... | --log [NAME]]
Calcula os valores de trimagem de um aeromodelo de voo circular controlado.
As condições de voo são as que a janela guarda (Avançado &gt; Entrada de dados),
a menos que se use --no-settings; depois se aplica um arquivo de dados, como
faz Arquivo &gt; Abrir na janela, e então as entradas KEY=VALUE. O tethrix-calc
nunca altera as configurações salvas.
Um arquivo cujo nome contém '=' pode ser informado depois de '--'.

Chaves (maiúsculas ou minúsculas; números com '.' como separador decimal;
unidades métricas entre colchetes, para --units=metric):
</translation>
    </message>
    <message>
      <source>Use as Lap Time</source>
      <translation>Usar como tempo de volta</translation>
    </message>
    <message>
      <source>VACUUM INTO ?</source>
      <translation>VACUUM INTO ?</translation>
    </message>
    <message>
      <source>Wed</source>
      <translation>qua</translation>
    </message>
    <message>
      <source>Weight</source>
      <translation>Peso</translation>
    </message>
    <message>
      <source>What If...</source>
      <translation>E se...?</translation>
    </message>
    <message>
      <source>Wind Speed</source>
      <translation>Velocidade do vento</translation>
    </message>
    <message>
      <source>Wind speed</source>
      <translation>Velocidade do vento</translation>
    </message>
    <message>
      <source>Wing Area</source>
      <translation>Área da asa</translation>
    </message>
    <message>
      <source>Wing Loading</source>
      <translation>Carga alar</translation>
    </message>
    <message>
      <source>Wing area</source>
      <translation>Área da asa</translation>
    </message>
    <message>
      <source>], "units": </source>
      <translation>], "units": </translation>
    </message>
    <message>
      <source>a PDF file name</source>
      <translation>um nome de arquivo PDF</translation>
    </message>
    <message>
      <source>a bad \u escape in a text</source>
      <translation>um escape \u inválido em um texto</translation>
    </message>
    <message>
      <source>a control character stands unescaped in a text</source>
      <translation>um caractere de controle sem escape em um texto</translation>
    </message>
    <message>
      <source>a key of %1</source>
      <translation>uma chave de %1</translation>
    </message>
    <message>
      <source>a lone surrogate in a text</source>
      <translation>um surrogate isolado em um texto</translation>
    </message>
    <message>
      <source>a record is kept under another id than its own</source>
      <translation>um registro está guardado com um id diferente do seu</translation>
    </message>
    <message>
      <source>a record is too long</source>
      <translation>um registro é longo demais</translation>
    </message>
    <message>
      <source>after a key</source>
      <translation>depois de uma chave</translation>
    </message>
    <message>
      <source>airplane %1</source>
      <translation>avião %1</translation>
    </message>
    <message>
      <source>airplane name</source>
      <translation>nome do avião</translation>
    </message>
    <message>
      <source>an unknown escape in a text</source>
      <translation>um escape desconhecido em um texto</translation>
    </message>
    <message>
      <source>another tab of Tethrix holds an older version of it open</source>
      <translation>outra aba do Tethrix mantém aberta uma versão anterior</translation>
    </message>
    <message>
      <source>at the end of %1</source>
      <translation>no fim de %1</translation>
    </message>
    <message>
      <source>at the end of the </source>
      <translation>no fim de </translation>
    </message>
    <message>
      <source>at the same speed</source>
      <translation>na mesma velocidade</translation>
    </message>
    <message>
      <source>avoirdupois ounce: 1/16 of the international pound of 453.59237 g exactly (the same agreement)</source>
      <translation>onça avoirdupois: 1/16 da libra internacional de exatamente 453.59237 g (o mesmo acordo)</translation>
    </message>
    <message>
      <source>bold </source>
      <translation>bold </translation>
    </message>
    <message>
      <source>cannot make an airplane's id from /dev/urandom: </source>
      <translation>não é possível gerar o id de um avião a partir de /dev/urandom: </translation>
    </message>
    <message>
      <source>cannot write the output</source>
      <translation>não é possível gravar a saída</translation>
    </message>
    <message>
      <source>counts your own turns at the centre: hold still for a second, then fly. Hold the screen for 1.5 s to stop.</source>
      <translation>conta as suas próprias voltas no centro: fique parado por um segundo e depois voe. Segure a tela por 1.5 s para parar.</translation>
    </message>
    <message>
      <source>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</source>
      <translation>default-src 'self'; script-src 'self' 'wasm-unsafe-eval' @SCRIPTS@; style-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'</translation>
    </message>
    <message>
      <source>deg.</source>
      <translation>graus</translation>
    </message>
    <message>
      <source>deg. F</source>
      <translation>°F</translation>
    </message>
    <message>
      <source>degrees</source>
      <translation>graus</translation>
    </message>
    <message>
      <source>degrees F</source>
      <translation>graus F</translation>
    </message>
    <message>
      <source>every flying condition is stored</source>
      <translation>todas as condições de voo estão salvas</translation>
    </message>
    <message>
      <source>expected '%1' %2</source>
      <translation>esperava-se '%1' %2</translation>
    </message>
    <message>
      <source>expected a number for %1</source>
      <translation>esperava-se um número para %1</translation>
    </message>
    <message>
      <source>expected a text for %1</source>
      <translation>esperava-se um texto para %1</translation>
    </message>
    <message>
      <source>fault cross-check: the checks found %u, the hardware %u
</source>
      <translation>verificação cruzada de exceções: as verificações acharam %u, o hardware %u
</translation>
    </message>
    <message>
      <source>feet</source>
      <translation>pés</translation>
    </message>
    <message>
      <source>flight %1</source>
      <translation>voo %1</translation>
    </message>
    <message>
      <source>for %1</source>
      <translation>para %1</translation>
    </message>
    <message>
      <source>for the </source>
      <translation>para </translation>
    </message>
    <message>
      <source>for them; what is stored is kept until a flying condition is changed.</source>
      <translation>lugar delas; o que está salvo é mantido até que uma condição de voo seja alterada.</translation>
    </message>
    <message>
      <source>handle spacing</source>
      <translation>espaçamento do manete</translation>
    </message>
    <message>
      <source>imperial or metric</source>
      <translation>imperial ou metric</translation>
    </message>
    <message>
      <source>imperial units are shown</source>
      <translation>são exibidas unidades imperiais</translation>
    </message>
    <message>
      <source>inch</source>
      <translation>polegada</translation>
    </message>
    <message>
      <source>inch of mercury as altimeter settings use it: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</source>
      <translation>polegada de mercúrio como usada nos ajustes de altímetro: 33.8638866667 hPa (1013.25 hPa = 29.9213 inHg)</translation>
    </message>
    <message>
      <source>inches</source>
      <translation>polegadas</translation>
    </message>
    <message>
      <source>input, select</source>
      <translation>input, select</translation>
    </message>
    <message>
      <source>international foot: 0.3048 m exactly (the same agreement)</source>
      <translation>pé internacional: exatamente 0.3048 m (o mesmo acordo)</translation>
    </message>
    <message>
      <source>international inch: 25.4 mm exactly (international yard and pound agreement, 1959)</source>
      <translation>polegada internacional: exatamente 25.4 mm (acordo internacional da jarda e da libra, 1959)</translation>
    </message>
    <message>
      <source>international mile: 5280 ft of 0.3048 m, 1.609344 km exactly</source>
      <translation>milha internacional: 5280 ft de 0.3048 m, exatamente 1.609344 km</translation>
    </message>
    <message>
      <source>international pound: 0.45359237 kg exactly (the 1959 agreement)</source>
      <translation>libra internacional: exatamente 0.45359237 kg (o acordo de 1959)</translation>
    </message>
    <message>
      <source>it changed while this command ran: nothing was written, try again</source>
      <translation>ele mudou enquanto este comando rodava: nada foi gravado, tente de novo</translation>
    </message>
    <message>
      <source>it did not load</source>
      <translation>não carregou</translation>
    </message>
    <message>
      <source>it holds a serialized value, which Tethrix never writes</source>
      <translation>contém um valor serializado, que o Tethrix nunca grava</translation>
    </message>
    <message>
      <source>it holds more airplanes or flights than a hangar may</source>
      <translation>contém mais aviões ou voos do que um hangar permite</translation>
    </message>
    <message>
      <source>it holds more than 1,000,000 flights</source>
      <translation>contém mais de 1,000,000 voos</translation>
    </message>
    <message>
      <source>it holds more than 10,000 airplanes</source>
      <translation>contém mais de 10,000 aviões</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1</source>
      <translation>não contém nenhuma configuração que o Tethrix guarde, só %1</translation>
    </message>
    <message>
      <source>it holds no setting Tethrix keeps, only %1 and others</source>
      <translation>não contém nenhuma configuração que o Tethrix guarde, só %1 e outras</translation>
    </message>
    <message>
      <source>it holds no settings, only other text</source>
      <translation>não contém configurações, só outro texto</translation>
    </message>
    <message>
      <source>it holds none of a data file's keys (an, nl, ls, ll, wl, hl, wt, lt, wa)</source>
      <translation>não contém nenhuma das chaves de um arquivo de dados (an, nl, ls, ll, wl, hl, wt, lt, wa)</translation>
    </message>
    <message>
      <source>it is a device, not a regular file</source>
      <translation>é um dispositivo, não um arquivo comum</translation>
    </message>
    <message>
      <source>it is a folder, not a file</source>
      <translation>é uma pasta, não um arquivo</translation>
    </message>
    <message>
      <source>it is a hangar file of version %1, from a newer Tethrix; this one reads version %2</source>
      <translation>é um arquivo de hangar da versão %1, de um Tethrix mais novo; este lê a versão %2</translation>
    </message>
    <message>
      <source>it is a pipe, not a regular file</source>
      <translation>é um pipe, não um arquivo comum</translation>
    </message>
    <message>
      <source>it is damaged: </source>
      <translation>está danificado: </translation>
    </message>
    <message>
      <source>it is larger than %1 bytes</source>
      <translation>tem mais de %1 bytes</translation>
    </message>
    <message>
      <source>it is larger than 1 MiB, far too large for a Tethrix data file</source>
      <translation>tem mais de 1 MiB, grande demais para um arquivo de dados do Tethrix</translation>
    </message>
    <message>
      <source>it is larger than 16 MiB</source>
      <translation>tem mais de 16 MiB</translation>
    </message>
    <message>
      <source>it is not a Tethrix hangar</source>
      <translation>não é um hangar do Tethrix</translation>
    </message>
    <message>
      <source>it is not a file</source>
      <translation>não é um arquivo</translation>
    </message>
    <message>
      <source>it is not a regular file</source>
      <translation>não é um arquivo comum</translation>
    </message>
    <message>
      <source>it is not valid UTF-8 text</source>
      <translation>não é texto UTF-8 válido</translation>
    </message>
    <message>
      <source>it is written in UTF-16 or holds NUL bytes; Tethrix reads UTF-8 text</source>
      <translation>está gravado em UTF-16 ou contém bytes NUL; o Tethrix lê texto UTF-8</translation>
    </message>
    <message>
      <source>it was written by a newer version of Tethrix</source>
      <translation>foi gravado por uma versão mais nova do Tethrix</translation>
    </message>
    <message>
      <source>its format is not "tethrix-hangar"</source>
      <translation>o formato não é "tethrix-hangar"</translation>
    </message>
    <message>
      <source>its version is not a hangar file version</source>
      <translation>a versão não é uma versão de arquivo de hangar</translation>
    </message>
    <message>
      <source>light dark</source>
      <translation>light dark</translation>
    </message>
    <message>
      <source>marker </source>
      <translation>marker </translation>
    </message>
    <message>
      <source>mi/ph</source>
      <translation>mi/ph</translation>
    </message>
    <message>
      <source>mph</source>
      <translation>mph</translation>
    </message>
    <message>
      <source>needle or timer setting</source>
      <translation>ajuste da agulha ou timer</translation>
    </message>
    <message>
      <source>no Gyroscope</source>
      <translation>sem giroscópio</translation>
    </message>
    <message>
      <source>no airplane is named </source>
      <translation>nenhum avião se chama </translation>
    </message>
    <message>
      <source>no file name was given</source>
      <translation>nenhum nome de arquivo foi informado</translation>
    </message>
    <message>
      <source>no texts</source>
      <translation>sem textos</translation>
    </message>
    <message>
      <source>nothing in it: %s.</source>
      <translation>nada nele: %s.</translation>
    </message>
    <message>
      <source>only a sweep of the line length (ll) can hold the speed</source>
      <translation>só uma varredura do comprimento dos cabos (ll) pode manter a velocidade</translation>
    </message>
    <message>
      <source>ounce per square foot: 28.349523125 g per 9.290304 dm² (0.3048 m squared), both exact</source>
      <translation>onça por pé quadrado: 28.349523125 g por 9.290304 dm² (0.3048 m ao quadrado), ambos exatos</translation>
    </message>
    <message>
      <source>ounces</source>
      <translation>onças</translation>
    </message>
    <message>
      <source>percent</source>
      <translation>por cento</translation>
    </message>
    <message>
      <source>pound-force: 0.45359237 kg under standard gravity 9.80665 m/s² (3rd CGPM, 1901), 4.4482216152605 N exactly</source>
      <translation>libra-força: 0.45359237 kg sob a gravidade padrão de 9.80665 m/s² (3ª CGPM, 1901), exatamente 4.4482216152605 N</translation>
    </message>
    <message>
      <source>pounds</source>
      <translation>libras</translation>
    </message>
    <message>
      <source>rotate(-90 %s %s)</source>
      <translation>rotate(-90 %s %s)</translation>
    </message>
    <message>
      <source>s airplane in the fields, or </source>
      <translation>avião nos campos, ou </translation>
    </message>
    <message>
      <source>scale </source>
      <translation>scale </translation>
    </message>
    <message>
      <source>scale far left</source>
      <translation>escala na extrema esquerda</translation>
    </message>
    <message>
      <source>scale far right</source>
      <translation>escala na extrema direita</translation>
    </message>
    <message>
      <source>scale left</source>
      <translation>escala à esquerda</translation>
    </message>
    <message>
      <source>scale right</source>
      <translation>escala à direita</translation>
    </message>
    <message>
      <source>seconds</source>
      <translation>segundos</translation>
    </message>
    <message>
      <source>something follows the end of the %1</source>
      <translation>há algo depois do fim de %1</translation>
    </message>
    <message>
      <source>something follows the end of the hangar</source>
      <translation>há algo depois do fim do hangar</translation>
    </message>
    <message>
      <source>speed or laptime</source>
      <translation>speed ou laptime</translation>
    </message>
    <message>
      <source>sq/inches</source>
      <translation>sq/inches</translation>
    </message>
    <message>
      <source>square inch: 0.254 dm squared, 0.064516 dm² exactly</source>
      <translation>polegada quadrada: 0.254 dm ao quadrado, exatamente 0.064516 dm²</translation>
    </message>
    <message>
      <source>square inch: 2.54 cm squared, 6.4516 cm² exactly</source>
      <translation>polegada quadrada: 2.54 cm ao quadrado, exatamente 6.4516 cm²</translation>
    </message>
    <message>
      <source>square inches</source>
      <translation>polegadas quadradas</translation>
    </message>
    <message>
      <source>tethrix-calc </source>
      <translation>tethrix-calc </translation>
    </message>
    <message>
      <source>tethrix-calc: </source>
      <translation>tethrix-calc: </translation>
    </message>
    <message>
      <source>tethrix-calc: Cannot Open File </source>
      <translation>tethrix-calc: Não é possível abrir o arquivo </translation>
    </message>
    <message>
      <source>tethrix-calc: Cannot write the report </source>
      <translation>tethrix-calc: Não é possível gravar o relatório </translation>
    </message>
    <message>
      <source>tethrix-calc: nothing was added
</source>
      <translation>tethrix-calc: nada foi adicionado
</translation>
    </message>
    <message>
      <source>tethrix-calc: stored flying conditions: </source>
      <translation>tethrix-calc: condições de voo salvas: </translation>
    </message>
    <message>
      <source>tethrix-calc: unexpected error
</source>
      <translation>tethrix-calc: erro inesperado
</translation>
    </message>
    <message>
      <source>tethrix-calc: warning: </source>
      <translation>tethrix-calc: aviso: </translation>
    </message>
    <message>
      <source>tethrix-calc: warning: Altimeter: </source>
      <translation>tethrix-calc: aviso: Altimeter: </translation>
    </message>
    <message>
      <source>tethrix: </source>
      <translation>tethrix: </translation>
    </message>
    <message>
      <source>the %1 is not valid UTF-8 text of at most 16 MiB</source>
      <translation>%1 não é texto UTF-8 válido de no máximo 16 MiB</translation>
    </message>
    <message>
      <source>the %1 of %2</source>
      <translation>%1 de %2</translation>
    </message>
    <message>
      <source>the airplane of %1</source>
      <translation>o avião de %1</translation>
    </message>
    <message>
      <source>the airplanes were added, but </source>
      <translation>os aviões foram adicionados, mas </translation>
    </message>
    <message>
      <source>the browser did not keep it</source>
      <translation>o navegador não o guardou</translation>
    </message>
    <message>
      <source>the browser refused to open it</source>
      <translation>o navegador se recusou a abri-lo</translation>
    </message>
    <message>
      <source>the built-in airplane stands in for it.</source>
      <translation>o avião embutido fica no lugar dele.</translation>
    </message>
    <message>
      <source>the changed time of %1</source>
      <translation>o horário de alteração de %1</translation>
    </message>
    <message>
      <source>the conditions of %1</source>
      <translation>as condições de %1</translation>
    </message>
    <message>
      <source>the created time of %1</source>
      <translation>o horário de criação de %1</translation>
    </message>
    <message>
      <source>the data file must come before the KEY=VALUE inputs</source>
      <translation>o arquivo de dados deve vir antes das entradas KEY=VALUE</translation>
    </message>
    <message>
      <source>the date</source>
      <translation>a data</translation>
    </message>
    <message>
      <source>the default %1 is used</source>
      <translation>é usado o padrão %1</translation>
    </message>
    <message>
      <source>the density altitude</source>
      <translation>a altitude-densidade</translation>
    </message>
    <message>
      <source>the entry is dropped</source>
      <translation>a entrada é descartada</translation>
    </message>
    <message>
      <source>the figures of %1</source>
      <translation>os valores de %1</translation>
    </message>
    <message>
      <source>the file</source>
      <translation>o arquivo</translation>
    </message>
    <message>
      <source>the file does not start with "format" and "version"</source>
      <translation>o arquivo não começa com "format" e "version"</translation>
    </message>
    <message>
      <source>the file ends too soon</source>
      <translation>o arquivo termina cedo demais</translation>
    </message>
    <message>
      <source>the flown time of %1</source>
      <translation>o horário do voo de %1</translation>
    </message>
    <message>
      <source>the format</source>
      <translation>o formato</translation>
    </message>
    <message>
      <source>the id of %1</source>
      <translation>o id de %1</translation>
    </message>
    <message>
      <source>the inputs of %1</source>
      <translation>os dados de %1</translation>
    </message>
    <message>
      <source>the key '%1' of %2 appears twice</source>
      <translation>a chave '%1' de %2 aparece duas vezes</translation>
    </message>
    <message>
      <source>the key '%1' of %2 is not one this version knows</source>
      <translation>a chave '%1' de %2 não é conhecida por esta versão</translation>
    </message>
    <message>
      <source>the lap time of %1</source>
      <translation>o tempo de volta de %1</translation>
    </message>
    <message>
      <source>the module %1 has no %2</source>
      <translation>o módulo %1 não tem %2</translation>
    </message>
    <message>
      <source>the module could not be loaded</source>
      <translation>não foi possível carregar o módulo</translation>
    </message>
    <message>
      <source>the notes of %1</source>
      <translation>as notas de %1</translation>
    </message>
    <message>
      <source>the number %1 for %2 is out of range</source>
      <translation>o número %1 para %2 está fora da faixa</translation>
    </message>
    <message>
      <source>the number of lines runs over whole numbers from 1 to 3</source>
      <translation>o número de cabos percorre os inteiros de 1 a 3</translation>
    </message>
    <message>
      <source>the number of lines steps by whole numbers</source>
      <translation>o número de cabos avança de inteiro em inteiro</translation>
    </message>
    <message>
      <source>the program's module %1 is missing</source>
      <translation>falta o módulo %1 do programa</translation>
    </message>
    <message>
      <source>the same unit in both systems</source>
      <translation>a mesma unidade nos dois sistemas</translation>
    </message>
    <message>
      <source>the settings could not be prepared</source>
      <translation>não foi possível preparar as configurações</translation>
    </message>
    <message>
      <source>the settings could not be written completely</source>
      <translation>não foi possível gravar as configurações por completo</translation>
    </message>
    <message>
      <source>the settings file cannot be read (%1) and is kept as it is</source>
      <translation>não é possível ler o arquivo de configurações (%1), e ele é mantido como está</translation>
    </message>
    <message>
      <source>the storage for this page on the device is full</source>
      <translation>o armazenamento desta página no dispositivo está cheio</translation>
    </message>
    <message>
      <source>the sweep of </source>
      <translation>a varredura de </translation>
    </message>
    <message>
      <source>the sweep range is empty or has more than </source>
      <translation>o intervalo da varredura está vazio ou tem mais de </translation>
    </message>
    <message>
      <source>the sweep range must read FROM:TO:STEP</source>
      <translation>o intervalo da varredura deve ter a forma FROM:TO:STEP</translation>
    </message>
    <message>
      <source>the system's language is used</source>
      <translation>é usado o idioma do sistema</translation>
    </message>
    <message>
      <source>the version</source>
      <translation>a versão</translation>
    </message>
    <message>
      <source>the window's hangar</source>
      <translation>o hangar da janela</translation>
    </message>
    <message>
      <source>the window's hangar </source>
      <translation>o hangar da janela </translation>
    </message>
    <message>
      <source>the window's hangar is not available in this build: give a hangar file after --hangar</source>
      <translation>o hangar da janela não está disponível nesta compilação: informe um arquivo de hangar depois de --hangar</translation>
    </message>
    <message>
      <source>they cannot be read (%s).</source>
      <translation>não podem ser lidas (%s).</translation>
    </message>
    <message>
      <source>they cannot be read (no set of texts by their keys).</source>
      <translation>não podem ser lidas (não são um conjunto de textos com suas chaves).</translation>
    </message>
    <message>
      <source>they hold none of the flying conditions.</source>
      <translation>não contêm nenhuma das condições de voo.</translation>
    </message>
    <message>
      <source>this airplane</source>
      <translation>este avião</translation>
    </message>
    <message>
      <source>tick </source>
      <translation>tick </translation>
    </message>
    <message>
      <source>times the weight</source>
      <translation>vezes o peso</translation>
    </message>
    <message>
      <source>tip weight</source>
      <translation>peso na ponta da asa</translation>
    </message>
    <message>
      <source>unknown error</source>
      <translation>erro desconhecido</translation>
    </message>
    <message>
      <source>unknown key '</source>
      <translation>chave desconhecida '</translation>
    </message>
    <message>
      <source>unknown option '</source>
      <translation>opção desconhecida '</translation>
    </message>
    <message>
      <source>updated %1</source>
      <translation>atualizados: %1</translation>
    </message>
    <message>
      <source>width=device-width, initial-scale=1</source>
      <translation>width=device-width, initial-scale=1</translation>
    </message>
    <message>
      <source>with the lap time held</source>
      <translation>com o tempo de volta fixo</translation>
    </message>
    <message>
      <source>x weight</source>
      <translation>x peso</translation>
    </message>
    <message>
      <source>}, "B": {"Name": </source>
      <translation>}, "B": {"Name": </translation>
    </message>
    <message>
      <source>}, "Change": {</source>
      <translation>}, "Change": {</translation>
    </message>
    <message>
      <source>}, "Differences": [</source>
      <translation>}, "Differences": [</translation>
    </message>
    <message>
      <source>°C = (°F - 32) / 1.8 exactly, as the Fahrenheit scale is defined</source>
      <translation>°C = (°F - 32) / 1.8 exatamente, como a escala Fahrenheit é definida</translation>
    </message>
  </context>
  <context>
    <name>TrimCharts</name>
    <message>
      <source>%1 at the same speed</source>
      <translation>%1 na mesma velocidade</translation>
    </message>
    <message>
      <source>%1 of %2 points left out: %3.</source>
      <translation>%1 de %2 pontos descartados: %3.</translation>
    </message>
    <message>
      <source>%1 with the lap time held</source>
      <translation>%1 com o tempo de volta fixo</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>Arquivo CSV (*.csv)</translation>
    </message>
    <message>
      <source>Current case</source>
      <translation>Caso atual</translation>
    </message>
    <message>
      <source>Export &amp;CSV...</source>
      <translation>Exportar &amp;CSV...</translation>
    </message>
    <message>
      <source>Export &amp;PNG...</source>
      <translation>Exportar &amp;PNG...</translation>
    </message>
    <message>
      <source>Hold the lap time</source>
      <translation>Manter o tempo de volta</translation>
    </message>
    <message>
      <source>Hold the speed</source>
      <translation>Manter a velocidade</translation>
    </message>
    <message>
      <source>Lap Time</source>
      <translation>Tempo de volta</translation>
    </message>
    <message>
      <source>Line Length</source>
      <translation>Comprimento dos cabos</translation>
    </message>
    <message>
      <source>PNG Image (*.png)</source>
      <translation>Imagem PNG (*.png)</translation>
    </message>
    <message>
      <source>Point at a curve to read its figures.</source>
      <translation>Aponte para uma curva para ler seus valores.</translation>
    </message>
    <message>
      <source>The chart could not be drawn: %1</source>
      <translation>Não foi possível desenhar o gráfico: %1</translation>
    </message>
    <message>
      <source>The chart could not be turned into a PNG picture</source>
      <translation>Não foi possível converter o gráfico em imagem PNG</translation>
    </message>
    <message>
      <source>Trim Charts</source>
      <translation>Gráficos de trimagem</translation>
    </message>
    <message>
      <source>Trim figures against %1</source>
      <translation>Valores de trimagem em função de %1</translation>
    </message>
    <message>
      <source>chart</source>
      <translation>o gráfico</translation>
    </message>
    <message>
      <source>table</source>
      <translation>a tabela</translation>
    </message>
  </context>
  <context>
    <name>TrimLogDialog</name>
    <message>
      <source>%1 (deleted)</source>
      <translation>%1 (excluído)</translation>
    </message>
    <message>
      <source>%1 of %2, newest first.</source>
      <translation>%1 de %2, os mais recentes primeiro.</translation>
    </message>
    <message>
      <source>%1: lap time and line tension</source>
      <translation>%1: tempo de volta e tensão nos cabos</translation>
    </message>
    <message>
      <source>&amp;Correct...</source>
      <translation>&amp;Corrigir...</translation>
    </message>
    <message>
      <source>&amp;Delete...</source>
      <translation>&amp;Excluir...</translation>
    </message>
    <message>
      <source>&amp;Print...</source>
      <translation>&amp;Imprimir...</translation>
    </message>
    <message>
      <source>Airplane:</source>
      <translation>Avião:</translation>
    </message>
    <message>
      <source>CSV File (*.csv)</source>
      <translation>Arquivo CSV (*.csv)</translation>
    </message>
    <message>
      <source>Cancel</source>
      <translation>Cancelar</translation>
    </message>
    <message>
      <source>Cannot save the trim log as %1: %2</source>
      <translation>Não é possível salvar o diário de trimagem como %1: %2</translation>
    </message>
    <message>
      <source>Cannot write the trim log %1: %2</source>
      <translation>Não é possível gravar o diário de trimagem %1: %2</translation>
    </message>
    <message>
      <source>Chart against:</source>
      <translation>Gráfico em função de:</translation>
    </message>
    <message>
      <source>Close</source>
      <translation>Fechar</translation>
    </message>
    <message>
      <source>Correct a Flight of %1</source>
      <translation>Corrigir um voo de %1</translation>
    </message>
    <message>
      <source>Corrected the flight of %1 flown %2.</source>
      <translation>Voo de %1 de %2 corrigido.</translation>
    </message>
    <message>
      <source>Date Flown</source>
      <translation>Data do voo</translation>
    </message>
    <message>
      <source>Delete</source>
      <translation>Excluir</translation>
    </message>
    <message>
      <source>Delete %1 from the trim log?</source>
      <translation>Excluir %1 do diário de trimagem?</translation>
    </message>
    <message>
      <source>Delete Flight</source>
      <translation>Excluir voo</translation>
    </message>
    <message>
      <source>Deleted %1.</source>
      <translation>%1 excluído.</translation>
    </message>
    <message>
      <source>Export C&amp;SV...</source>
      <translation>Exportar C&amp;SV...</translation>
    </message>
    <message>
      <source>Exported the trim log of %1 to %2.</source>
      <translation>Diário de trimagem de %1 exportado para %2.</translation>
    </message>
    <message>
      <source>Flown (local time)</source>
      <translation>Data do voo (hora local)</translation>
    </message>
    <message>
      <source>Local time</source>
      <translation>Hora local</translation>
    </message>
    <message>
      <source>No flight of %1 is logged yet.</source>
      <translation>Ainda não há voo de %1 registrado.</translation>
    </message>
    <message>
      <source>No flights to chart yet.</source>
      <translation>Ainda não há voos para o gráfico.</translation>
    </message>
    <message>
      <source>Printing is not available: %1</source>
      <translation>A impressão não está disponível: %1</translation>
    </message>
    <message>
      <source>The chart cannot be shown: %1</source>
      <translation>Não é possível exibir o gráfico: %1</translation>
    </message>
    <message>
      <source>The correction</source>
      <translation>A correção</translation>
    </message>
    <message>
      <source>The deletion</source>
      <translation>A exclusão</translation>
    </message>
    <message>
      <source>The hangar holds no airplane yet.</source>
      <translation>O hangar ainda não contém nenhum avião.</translation>
    </message>
    <message>
      <source>Trim Log</source>
      <translation>Diário de trimagem</translation>
    </message>
    <message>
      <source>Trim Log: %1</source>
      <translation>Diário de trimagem: %1</translation>
    </message>
    <message>
      <source>the Date</source>
      <translation>a data</translation>
    </message>
    <message>
      <source>the Density Altitude</source>
      <translation>a altitude-densidade</translation>
    </message>
    <message>
      <source>the flight of %1 flown %2</source>
      <translation>o voo de %1 de %2</translation>
    </message>
  </context>
</TS>
