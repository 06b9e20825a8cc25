<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>Campo</name>
    <message>
        <source>Nel campo &quot;%1&quot; manca il valore.</source>
        <translation>In the field &quot;%1&quot; the value is missing.</translation>
    </message>
    <message>
        <source>Nel campo &quot;%1&quot; il testo &quot;%2&quot; non è un numero.</source>
        <translation>In the field &quot;%1&quot;, &quot;%2&quot; is not a number.</translation>
    </message>
    <message>
        <source>Nel campo &quot;%1&quot; il valore &quot;%2&quot; è troppo grande: il programma accetta fino a %3.</source>
        <translation>In the field &quot;%1&quot;, &quot;%2&quot; is too large: the program takes values up to %3.</translation>
    </message>
    <message>
        <source>Nel campo &quot;%1&quot; il valore &quot;%2&quot; non va bene: deve essere maggiore di zero.</source>
        <translation>In the field &quot;%1&quot;, &quot;%2&quot; cannot be used: it must be greater than zero.</translation>
    </message>
    <message>
        <source>Nel campo &quot;%1&quot; il valore &quot;%2&quot; non va bene: non può essere negativo.</source>
        <translation>In the field &quot;%1&quot;, &quot;%2&quot; cannot be used: it cannot be negative.</translation>
    </message>
    <message>
        <source>Nel campo &quot;%1&quot; il valore &quot;%2&quot; è troppo piccolo: il programma accetta da %3.</source>
        <translation>In the field &quot;%1&quot;, &quot;%2&quot; is too small: the program takes values from %3.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; vale %2</source>
        <translation>&quot;%1&quot; is %2</translation>
    </message>
    <message>
        <source>Causa: %1.</source>
        <translation>Cause: %1.</translation>
    </message>
</context>
<context>
    <name>Coil</name>
    <message>
        <source>Induttanza a foglio di corrente (Nagaoka): %1</source>
        <translation>Current-sheet inductance (Nagaoka): %1</translation>
    </message>
    <message>
        <source>Valore mostrato (formula classica): %1, scarto %2</source>
        <translation>Value shown (classic formula): %1, off by %2</translation>
    </message>
    <message>
        <source>Induttanza a foglio di corrente (Nagaoka) con queste spire: %1</source>
        <translation>Current-sheet inductance (Nagaoka) with these turns: %1</translation>
    </message>
    <message>
        <source>Induttanza richiesta, per cui la formula classica ha dato le spire: %1, scarto %2</source>
        <translation>Inductance asked for, from which the classic formula gave the turns: %1, off by %2</translation>
    </message>
    <message>
        <source>Bobina: diametro %1 mm, lunghezza %2 mm, %3 spire, ℓ/D %4</source>
        <translation>Coil: diameter %1 mm, length %2 mm, %3 turns, ℓ/D %4</translation>
    </message>
    <message>
        <source>Attenzione: bobina corta (ℓ/D sotto %1), qui la formula classica perde precisione.</source>
        <translation>Caution: short coil (ℓ/D below %1), here the classic formula loses accuracy.</translation>
    </message>
    <message>
        <source>Capacità propria della bobina (Medhurst): %1 pF</source>
        <translation>Self-capacitance of the coil (Medhurst): %1 pF</translation>
    </message>
    <message>
        <source>Con la capacità propria (%1 + %2 pF): %3 MHz</source>
        <translation>With the self-capacitance (%1 + %2 pF): %3 MHz</translation>
    </message>
    <message>
        <source>Risonanza propria della bobina: %1 MHz</source>
        <translation>Self-resonance of the coil: %1 MHz</translation>
    </message>
    <message>
        <source>Attenzione: la frequenza supera un terzo della risonanza propria: qui la bobina non si comporta più come un&apos;induttanza pura.</source>
        <translation>Caution: the frequency is above a third of the self-resonance: here the coil no longer behaves as a pure inductance.</translation>
    </message>
    <message>
        <source>Capacità propria (Medhurst): %1 pF</source>
        <translation>Self-capacitance (Medhurst): %1 pF</translation>
    </message>
    <message>
        <source>Foglio di corrente (Lorenz, coefficiente di Nagaoka) sul diametro del centro del filo: esatto per un avvolgimento ideale.</source>
        <translation>Current sheet (Lorenz, Nagaoka&apos;s coefficient) on the diameter of the wire centres: exact for an ideal winding.</translation>
    </message>
    <message>
        <source>Correzione di Rosa per il filo tondo (Rosa 1908, Grover 1946): scarto dell&apos;ordine dello 0,1-1 % da una bobina reale misurata a bassa frequenza.</source>
        <translation>Rosa&apos;s round-wire correction (Rosa 1908, Grover 1946): within about 0.1-1 % of a real coil measured at low frequency.</translation>
    </message>
    <message>
        <source>Linea elicoidale in corto, L·tan(x)/x (Knight 2016): eredita l&apos;incertezza della risonanza propria, circa 10 %, e cresce vicino a essa.</source>
        <translation>Shorted helical line, L·tan(x)/x (Knight 2016): carries the uncertainty of the self-resonance, about 10 %, and grows near it.</translation>
    </message>
    <message>
        <source>Filo nudo, densità IEC 60028 (rame) o IEC 60889 (alluminio); lo smalto aggiunge dall&apos;1 al 5 %.</source>
        <translation>Bare wire, density from IEC 60028 (copper) or IEC 60889 (aluminium); enamel adds 1 to 5 %.</translation>
    </message>
    <message>
        <source>A 20 °C, resistività IEC 60028 o IEC 60889: entro il 2 % circa; +0,4 % per grado in più.</source>
        <translation>At 20 °C, resistivity from IEC 60028 or IEC 60889: within about 2 %; +0.4 % per degree warmer.</translation>
    </message>
    <message>
        <source>Profondità di penetrazione √(ρ/(π f μ0)) per metallo non magnetico.</source>
        <translation>Skin depth √(ρ/(π f μ0)) for a non-magnetic metal.</translation>
    </message>
    <message>
        <source>Tabella di Medhurst (1947), bobine su bacchette piene di polistirolo, circa 5 %: in aria la capacità è minore.</source>
        <translation>Medhurst&apos;s table (1947), coils on solid polystyrene rods, about 5 %: in air the capacitance is lower.</translation>
    </message>
    <message>
        <source>Formula di Knight (2016) con la permittività del supporto, pieno: circa 5 % dai dati di Medhurst.</source>
        <translation>Knight&apos;s formula (2016) with the permittivity of a solid former: about 5 % from Medhurst&apos;s data.</translation>
    </message>
    <message>
        <source>0,6 volte la risonanza propria: oltre, l&apos;incertezza della risonanza si amplifica in tutte le grandezze che dipendono dalla frequenza.</source>
        <translation>0.6 times the self-resonance: above it, the uncertainty of the self-resonance grows in every figure that depends on frequency.</translation>
    </message>
    <message>
        <source>Metodo della linea elicoidale di Knight (2016): da +1 a +12 % sulle tre bobine misurate da Pettit; contate sul 10 %, di più per bobine corte su un supporto.</source>
        <translation>Knight&apos;s helical-line method (2016): +1 to +12 % on the three coils Pettit measured; count on 10 %, more for short coils on a former.</translation>
    </message>
    <message>
        <source>Elica sui centri del filo (diametro del supporto più un filo), terminali esclusi: esatta quanto le misure della bobina. Il progettista e il convertitore la misurano sul supporto: un po&apos; meno.</source>
        <translation>The helix on the wire centres (former diameter plus one wire), leads excluded: as exact as the coil&apos;s dimensions. The designer and the converter measure it on the former: a little less.</translation>
    </message>
    <message>
        <source>Effetto pelle e di prossimità secondo Butterworth (1925, in Terman 1943), col fattore misurato da Medhurst (1947) per filo spesso e molte spire: circa 5 %; fino al 40 % in più per due o tre spire accostate; di più con filo ossidato.</source>
        <translation>Skin and proximity effect after Butterworth (1925, as Terman 1943 gives it), with the factor Medhurst measured (1947) for thick wire and many turns: about 5 %; up to 40 % high for two or three close-wound turns; more with tarnished wire.</translation>
    </message>
    <message>
        <source>Q = 2πf·L/R ridotto vicino alla risonanza propria. Le bobine reali stanno di solito sotto (terminali, saldature, supporto): la guida lo confronta con le misure pubblicate.</source>
        <translation>Q = 2πf·L/R, lowered near the self-resonance. Real coils usually come out lower (leads, joints, former): the help compares it with published measurements.</translation>
    </message>
    <message>
        <source>Per questa forma (ℓ/D fuori da 0,1-50) la risonanza propria non si calcola: il Q non ne tiene conto, e va bene solo molto al di sotto di essa.</source>
        <translation>For this shape (ℓ/D outside 0.1-50) the self-resonance is not computed: the Q leaves it out, and holds only well below it.</translation>
    </message>
</context>
<context>
    <name>FieldReading</name>
    <message>
        <source>Nel campo &quot;%1&quot; il testo &quot;%2&quot; si può leggere in due modi: %3 oppure %4.

Scrivere &quot;%3&quot; per il primo, &quot;%4&quot; per il secondo.</source>
        <translation>In the field &quot;%1&quot;, &quot;%2&quot; can be read two ways: %3 or %4.

Type &quot;%3&quot; for the first or &quot;%4&quot; for the second.</translation>
    </message>
    <message>
        <source>Nel campo &quot;%1&quot; il testo &quot;%2&quot; non si legge tutto come numero.

Scrivere il numero senza unità, con il separatore decimale del sistema: %3</source>
        <translation>In the field &quot;%1&quot;, &quot;%2&quot; is not a number as written.

Type the number alone, without its unit, with the system&apos;s decimal separator: %3</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Le bobine cilindriche ad un solo strato</source>
        <translation>Single-layer solenoid coils</translation>
    </message>
    <message>
        <source>CALCOLO DI:</source>
        <translation>CALCULATE:</translation>
    </message>
    <message>
        <source>FREQUENZA    dati induttanza e capacità</source>
        <translation>FREQUENCY    from inductance and capacitance</translation>
    </message>
    <message>
        <source>INDUTTANZA   dati frequenza e capacità</source>
        <translation>INDUCTANCE    from frequency and capacitance</translation>
    </message>
    <message>
        <source>CAPACITA&apos;       dati induttanza e frequenza</source>
        <translation>CAPACITANCE    from inductance and frequency</translation>
    </message>
    <message>
        <source>INDUTTANZA     dati supporto spire lungh.bobina</source>
        <translation>INDUCTANCE    from former, turns, coil length</translation>
    </message>
    <message>
        <source>SPIRE     dati supporto induttanza</source>
        <translation>TURNS    from former and inductance</translation>
    </message>
    <message>
        <source>SPIRE    dati supporto,frequenza e capacità</source>
        <translation>TURNS    from former, frequency and capacitance</translation>
    </message>
    <message>
        <source>PASSSA-BASSO    data la frequenza</source>
        <translation>LOW-PASS    from the working frequency</translation>
    </message>
    <message>
        <source>Induttanza µH</source>
        <translation>Inductance µH</translation>
    </message>
    <message>
        <source>Capacità  pF</source>
        <translation>Capacitor pF</translation>
    </message>
    <message>
        <source>Frequenza Mhz</source>
        <translation>Frequency MHz</translation>
    </message>
    <message>
        <source>Diam. Supp. mm.</source>
        <translation>Former dia. mm</translation>
    </message>
    <message>
        <source>Spire</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Lungh.bobina</source>
        <translation>Length mm</translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation>Calculate</translation>
    </message>
    <message>
        <source>Torna al menu</source>
        <translation>Back to menu</translation>
    </message>
    <message>
        <source>Mettere i valori</source>
        <translation>Enter the values</translation>
    </message>
    <message>
        <source>Mettere il valore</source>
        <translation>Enter the value</translation>
    </message>
    <message>
        <source>Errore non contemplato!</source>
        <translation>Unforeseen error!</translation>
    </message>
    <message>
        <source>Passa-basso: induttanza µH</source>
        <translation>Low-pass: inductance µH</translation>
    </message>
    <message>
        <source>Passa-basso: condensatore C1 pF</source>
        <translation>Low-pass: capacitor C1 pF</translation>
    </message>
    <message>
        <source>Passa-basso: condensatore C2 pF</source>
        <translation>Low-pass: capacitor C2 pF</translation>
    </message>
    <message>
        <source>Risultato</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Induttanza µHenry</source>
        <translation>Inductance µH</translation>
    </message>
    <message>
        <source>Capacità PF</source>
        <translation>Capacitance pF</translation>
    </message>
    <message>
        <source>Spire n.</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Freq. taglio Mhz</source>
        <translation>Cut-off MHz</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Nuovo modo di calcolo Bobine  by zorvek</source>
        <translation>A new way to design coils  by zorvek</translation>
    </message>
    <message>
        <source>Blocca Spaziatura</source>
        <translation>Lock spacing</translation>
    </message>
    <message>
        <source>Antenna Quadro</source>
        <translation>Square loop</translation>
    </message>
    <message>
        <source>Diametro supporto</source>
        <translation>Former diameter</translation>
    </message>
    <message>
        <source>- .5</source>
        <translation>- .5</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>+ .5</source>
        <translation>+ .5</translation>
    </message>
    <message>
        <source>Lunghezza bobina</source>
        <translation>Coil length</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>Spire</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Filo occorrente esclusi terminali</source>
        <translation>Wire needed</translation>
    </message>
    <message>
        <source>mt</source>
        <translation>m</translation>
    </message>
    <message>
        <source>pF Capacità 1</source>
        <translation>pF Capacitance 1</translation>
    </message>
    <message>
        <source>Cond.Variabile 1</source>
        <translation>Variable cap. 1</translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>pF Capacità 2</source>
        <translation>pF Capacitance 2</translation>
    </message>
    <message>
        <source>Cond.Variabile2</source>
        <translation>Variable cap. 2</translation>
    </message>
    <message>
        <source>Bobine quadrate</source>
        <translation>Square coils</translation>
    </message>
    <message>
        <source>si</source>
        <translation>on</translation>
    </message>
    <message>
        <source>no</source>
        <translation>off</translation>
    </message>
    <message>
        <source>-1</source>
        <translation>-1</translation>
    </message>
    <message>
        <source>+1</source>
        <translation>+1</translation>
    </message>
    <message>
        <source>Induttanza</source>
        <translation>Inductance</translation>
    </message>
    <message>
        <source>µH</source>
        <translation>µH</translation>
    </message>
    <message>
        <source>&amp;Ricalcolo</source>
        <translation>&amp;Recalculate</translation>
    </message>
    <message>
        <source>   F1    guida all&apos;uso</source>
        <translation>   F1    how to use it</translation>
    </message>
    <message>
        <source>Torna al menu</source>
        <translation>Back to menu</translation>
    </message>
    <message>
        <source>Spaziatura %1</source>
        <translation>Spacing %1</translation>
    </message>
    <message>
        <source>Frequenza %1, %2</source>
        <translation>Frequency %1, %2</translation>
    </message>
    <message>
        <source>%1: lato</source>
        <translation>%1: side</translation>
    </message>
    <message>
        <source>%1: diagonale</source>
        <translation>%1: diagonal</translation>
    </message>
    <message>
        <source>lato cm </source>
        <translation>side cm </translation>
    </message>
    <message>
        <source>diagon. cm </source>
        <translation>diagonal cm </translation>
    </message>
    <message>
        <source>Spaziatura agganciata</source>
        <translation>Spacing locked</translation>
    </message>
    <message>
        <source>Spaziatura sganciata</source>
        <translation>Spacing unlocked</translation>
    </message>
    <message>
        <source>Nel campo &quot;%1&quot; il testo &quot;%2&quot; non è un numero.</source>
        <translation>In the field &quot;%1&quot; the text &quot;%2&quot; is not a number.</translation>
    </message>
    <message>
        <source>Causa: &quot;%1&quot; vale %2.</source>
        <translation>Cause: &quot;%1&quot; is %2.</translation>
    </message>
    <message>
        <source>&amp;Scheda bobina</source>
        <translation>&amp;Coil sheet</translation>
    </message>
    <message>
        <source>Filo, perdite, Q e risonanza propria della bobina (F2)</source>
        <translation>Wire, losses, Q and self-resonance of the coil (F2)</translation>
    </message>
    <message>
        <source>progettista</source>
        <translation>designer</translation>
    </message>
    <message>
        <source>Vuoto: le due frequenze del progettista, con la capacità 1 e con la capacità 2.</source>
        <translation>Empty: the designer&apos;s two frequencies, with capacitance 1 and with capacitance 2.</translation>
    </message>
    <message>
        <source>Il filo dell&apos;elica misurato sul supporto, di diametro D, terminali esclusi. La scheda della bobina lo misura sui centri del filo (D più un filo): per questo dà un po&apos; di più.</source>
        <translation>The wire of the helix measured on the former, of diameter D, leads excluded. The coil sheet measures it on the wire centres (D plus one wire), so it gives a little more.</translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Cambia Diametro Bobine</source>
        <translation>Change coil diameter</translation>
    </message>
    <message>
        <source>Dati di partenza</source>
        <translation>Original coil</translation>
    </message>
    <message>
        <source>Nuovi dati</source>
        <translation>New coil</translation>
    </message>
    <message>
        <source>Induttanza</source>
        <translation>Inductance µH</translation>
    </message>
    <message>
        <source>Diametro mm</source>
        <translation>Diameter mm</translation>
    </message>
    <message>
        <source>Spire</source>
        <translation>Turns</translation>
    </message>
    <message>
        <source>Lunghezza bobina mm</source>
        <translation>Coil length mm</translation>
    </message>
    <message>
        <source>Spaziatura mm</source>
        <translation>Spacing mm</translation>
    </message>
    <message>
        <source>Ricalcola con nuovo Diametro</source>
        <translation>Recalculate for the new diameter</translation>
    </message>
    <message>
        <source>Lunghezza filo mt</source>
        <translation>Wire length m</translation>
    </message>
    <message>
        <source>Ritorna     al menu esterno</source>
        <translation>Back     to the menu</translation>
    </message>
    <message>
        <source>Come si usa: nelle caselle di sinistra scrivete il diametro del supporto, il numero delle spire e la lunghezza della bobina che conoscete; nella casella di destra scrivete il nuovo diametro. Premete il pulsante &quot;Ricalcola con nuovo Diametro&quot;: la colonna di destra mostra i nuovi dati, e il calcolo è fatto quando l&apos;induttanza in alto a destra è uguale a quella di partenza.
Siccome un&apos;induttanza proprio identica è difficile da ottenere, cliccate i pulsantini accanto alle spire finché l&apos;induttanza risulta uguale o di poco inferiore a quella di partenza, poi quelli accanto alla lunghezza per avvicinarla il più possibile, tenendo la spaziatura uguale o appena più larga di quella di partenza.
Se qualcuno conosce un procedimento migliore, me lo mandi: sarà il benvenuto.
                                        ZORVEK</source>
        <translation>How to use it: in the boxes on the left enter the former diameter, the number of turns and the coil length you know; in the box on the right enter the new diameter. Press the &quot;Recalculate for the new diameter&quot; button: the right-hand column shows the new coil, and the job is done when the inductance at the top right equals the original one.
Since exactly the same inductance is hard to hit, click the small buttons beside the turns until the inductance is equal to or a little below the original, then those beside the length to bring it as close as you can, keeping the spacing equal to or just wider than the original.
If anyone knows a better method, send it to me: it will be welcome.
                                        ZORVEK</translation>
    </message>
    <message>
        <source>La spaziatura di partenza (lunghezza diviso spire) deve essere maggiore di zero: correggere il numero delle &quot;Spire&quot; o la &quot;Lunghezza bobina mm&quot; nei dati di partenza.</source>
        <translation>The original spacing (length divided by turns) must be greater than zero: correct the &quot;Turns&quot; or the &quot;Coil length mm&quot; in the original coil.</translation>
    </message>
    <message>
        <source>Dopo %1 tentativi la ricerca non ha raggiunto l&apos;induttanza di partenza ed è stata interrotta: controllare i dati di partenza e il nuovo diametro.</source>
        <translation>After %1 tries the search had not reached the original inductance and was stopped: check the original coil and the new diameter.</translation>
    </message>
    <message>
        <source>Regola %1</source>
        <translation>Adjust %1</translation>
    </message>
    <message>
        <source>Filo, perdite, Q e risonanza propria della nuova bobina (F2)</source>
        <translation>Wire, losses, Q and self-resonance of the new coil (F2)</translation>
    </message>
    <message>
        <source>convertitore</source>
        <translation>converter</translation>
    </message>
    <message>
        <source>Il convertitore non dà frequenze: scriverne una per le figure in alta frequenza.</source>
        <translation>The converter gives no frequencies: enter one for the RF figures.</translation>
    </message>
    <message>
        <source>Scheda bobina</source>
        <translation>Coil sheet</translation>
    </message>
    <message>
        <source>Il filo della bobina nuova misurato sul supporto, di diametro D, terminali esclusi. La scheda della bobina lo misura sui centri del filo (D più un filo): per questo dà un po&apos; di più.</source>
        <translation>The wire of the new coil measured on the former, of diameter D, leads excluded. The coil sheet measures it on the wire centres (D plus one wire), so it gives a little more.</translation>
    </message>
    <message>
        <source>Le barre non tengono spire: nessuna bobina.</source>
        <translation>The bars hold no turns: no coil.</translation>
    </message>
    <message>
        <source>Premere &quot;Ricalcola con nuovo Diametro&quot;: la scheda descrive la bobina nuova.</source>
        <translation>Press &quot;Recalculate for the new diameter&quot;: the sheet describes the new coil.</translation>
    </message>
</context>
<context>
    <name>GraficoScheda</name>
    <message>
        <source>Frequenza (MHz)</source>
        <translation>Frequency (MHz)</translation>
    </message>
    <message>
        <source>Q a vuoto</source>
        <translation>Unloaded Q</translation>
    </message>
    <message>
        <source>R in alta frequenza (Ω)</source>
        <translation>RF resistance (Ω)</translation>
    </message>
    <message>
        <source>L apparente (µH)</source>
        <translation>Apparent L (µH)</translation>
    </message>
    <message>
        <source>figure incerte</source>
        <translation>uncertain figures</translation>
    </message>
    <message>
        <source>oltre la risonanza</source>
        <translation>above self-resonance</translation>
    </message>
    <message>
        <source>frequenze della scheda</source>
        <translation>sheet frequencies</translation>
    </message>
    <message>
        <source>Q</source>
        <translation>Q</translation>
    </message>
    <message>
        <source>R (Ω)</source>
        <translation>R (Ω)</translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Guida</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Impossibile trovare la guida %1</source>
        <translation>Cannot find the help file %1</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Radio a galena (1)</source>
        <translation>Crystal set (1)</translation>
    </message>
    <message>
        <source>Radio a galena (2)</source>
        <translation>Crystal set (2)</translation>
    </message>
    <message>
        <source>110 spire</source>
        <translation>110 turns</translation>
    </message>
    <message>
        <source>auricolare a cristallo</source>
        <translation>crystal earpiece</translation>
    </message>
    <message>
        <source>terra</source>
        <translation>ground</translation>
    </message>
    <message>
        <source>commut.</source>
        <translation>switch</translation>
    </message>
    <message>
        <source>con</source>
        <translation>with</translation>
    </message>
    <message>
        <source>prese</source>
        <translation>taps</translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Chiamata di routine o argomento non validi</source>
        <translation>Invalid procedure call or argument</translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation>Overflow</translation>
    </message>
    <message>
        <source>Indice non incluso nell&apos;intervallo</source>
        <translation>Subscript out of range</translation>
    </message>
    <message>
        <source>Divisione per zero</source>
        <translation>Division by zero</translation>
    </message>
    <message>
        <source>Tipo non corrispondente</source>
        <translation>Type mismatch</translation>
    </message>
    <message>
        <source>Valore della proprietà non valido</source>
        <translation>Invalid property value</translation>
    </message>
    <message>
        <source>Errore sconosciuto</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation>Run-time error &apos;%1&apos;:

%2</translation>
    </message>
</context>
<context>
    <name>SchedaBobina</name>
    <message>
        <source>Scheda della bobina</source>
        <translation>Coil sheet</translation>
    </message>
    <message>
        <source>Bobina</source>
        <translation>Coil</translation>
    </message>
    <message>
        <source>&amp;Filo nudo</source>
        <translation>&amp;Bare wire</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>AWG</source>
        <translation>AWG</translation>
    </message>
    <message>
        <source>SWG</source>
        <translation>SWG</translation>
    </message>
    <message>
        <source>&amp;Conduttore</source>
        <translation>&amp;Conductor</translation>
    </message>
    <message>
        <source>rame</source>
        <translation>copper</translation>
    </message>
    <message>
        <source>rame argentato</source>
        <translation>silver-plated copper</translation>
    </message>
    <message>
        <source>alluminio</source>
        <translation>aluminium</translation>
    </message>
    <message>
        <source>&amp;Supporto</source>
        <translation>F&amp;ormer</translation>
    </message>
    <message>
        <source>aria</source>
        <translation>air</translation>
    </message>
    <message>
        <source>polistirene</source>
        <translation>polystyrene</translation>
    </message>
    <message>
        <source>PVC</source>
        <translation>PVC</translation>
    </message>
    <message>
        <source>PTFE</source>
        <translation>PTFE</translation>
    </message>
    <message>
        <source>vetro</source>
        <translation>glass</translation>
    </message>
    <message>
        <source>ceramica</source>
        <translation>ceramic</translation>
    </message>
    <message>
        <source>F&amp;requenza MHz</source>
        <translation>F&amp;requency MHz</translation>
    </message>
    <message>
        <source>Vuoto: le frequenze della finestra.</source>
        <translation>Empty: the window&apos;s frequencies.</translation>
    </message>
    <message>
        <source>Induttanza, formula classica</source>
        <translation>Inductance, classic formula</translation>
    </message>
    <message>
        <source>Induttanza, foglio di corrente (Nagaoka)</source>
        <translation>Inductance, current sheet (Nagaoka)</translation>
    </message>
    <message>
        <source>Induttanza con il filo tondo</source>
        <translation>Inductance with round wire</translation>
    </message>
    <message>
        <source>Lunghezza del filo</source>
        <translation>Wire length</translation>
    </message>
    <message>
        <source>Peso del filo</source>
        <translation>Wire weight</translation>
    </message>
    <message>
        <source>Resistenza in continua</source>
        <translation>DC resistance</translation>
    </message>
    <message>
        <source>Capacità propria (Medhurst · Knight)</source>
        <translation>Self-capacitance (Medhurst · Knight)</translation>
    </message>
    <message>
        <source>Risonanza propria</source>
        <translation>Self-resonance</translation>
    </message>
    <message>
        <source>Profondità di penetrazione</source>
        <translation>Skin depth</translation>
    </message>
    <message>
        <source>Resistenza in alta frequenza</source>
        <translation>RF resistance</translation>
    </message>
    <message>
        <source>Q a vuoto</source>
        <translation>Unloaded Q</translation>
    </message>
    <message>
        <source>Induttanza apparente</source>
        <translation>Apparent inductance</translation>
    </message>
    <message>
        <source>C&amp;opia</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>S&amp;tampa…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message>
        <source>Chiudi</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>nessuna</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Stampa la scheda della bobina</source>
        <translation>Print the coil sheet</translation>
    </message>
    <message>
        <source>La stampante non si apre: la scheda non è stata stampata.</source>
        <translation>The printer cannot be opened: the sheet was not printed.</translation>
    </message>
    <message>
        <source>Bobina:</source>
        <translation>Coil:</translation>
    </message>
    <message>
        <source>Scrivere il diametro del filo nudo.</source>
        <translation>Enter the diameter of the bare wire.</translation>
    </message>
    <message>
        <source>Filo nudo</source>
        <translation>Bare wire</translation>
    </message>
    <message>
        <source>Il calibro %1 &quot;%2&quot; non esiste: scrivere un numero intero da %3 a %4.</source>
        <translation>There is no %1 gauge &quot;%2&quot;: enter a whole number from %3 to %4.</translation>
    </message>
    <message>
        <source>Il filo (%1 mm) non sta nel passo (%2 mm): le spire si sovrapporrebbero. Le figure del filo valgono per una bobina che non si può avvolgere.</source>
        <translation>The wire (%1 mm) does not fit the pitch (%2 mm): the turns would overlap. The wire figures are for a coil that cannot be wound.</translation>
    </message>
    <message>
        <source>A %1 MHz la bobina è troppo vicina alla sua risonanza propria: le figure valgono fino a %2 MHz.</source>
        <translation>At %1 MHz the coil is too close to its self-resonance: the figures hold up to %2 MHz.</translation>
    </message>
    <message>
        <source>Ø %1 mm, lunghezza %2 mm, %3 spire</source>
        <translation>Ø %1 mm, length %2 mm, %3 turns</translation>
    </message>
    <message>
        <source>, passo %1 mm</source>
        <translation>, pitch %1 mm</translation>
    </message>
    <message>
        <source>Scheda della bobina (%1)</source>
        <translation>Coil sheet (%1)</translation>
    </message>
    <message>
        <source>Bobina: %1</source>
        <translation>Coil: %1</translation>
    </message>
    <message>
        <source>Avvisi:</source>
        <translation>Warnings:</translation>
    </message>
    <message>
        <source>La formula della finestra, quella di Wheeler con costanti arrotondate (H. A. Wheeler, &quot;Simple inductance formulas for radio coils&quot;, Proc. IRE 16, 1928): entro l&apos;1 % circa per bobine più lunghe di 0,4 diametri, in difetto per quelle più corte.</source>
        <translation>The formula of the window, Wheeler&apos;s with rounded constants (H. A. Wheeler, &quot;Simple inductance formulas for radio coils&quot;, Proc. IRE 16, 1928): within about 1 % for coils longer than 0.4 diameters, low for shorter ones.</translation>
    </message>
    <message>
        <source>Il foglio di corrente con il coefficiente di Nagaoka (H. Nagaoka, 1909; E. B. Rosa e F. W. Grover, Bulletin of the Bureau of Standards 8, 1912): esatta per un foglio di corrente, non tiene conto del filo tondo e della spaziatura.</source>
        <translation>The current sheet with Nagaoka&apos;s coefficient (H. Nagaoka, 1909; E. B. Rosa and F. W. Grover, Bulletin of the Bureau of Standards 8, 1912): exact for a current sheet; it takes no account of the round wire and the spacing.</translation>
    </message>
    <message>
        <source>Grafico in frequenza: Q a vuoto, resistenza in alta frequenza e induttanza apparente</source>
        <translation>Chart across frequency: unloaded Q, RF resistance and apparent inductance</translation>
    </message>
    <message>
        <source>Nessuna bobina: %1</source>
        <translation>No coil: %1</translation>
    </message>
    <message>
        <source>Nessun grafico: la finestra non mostra una bobina.</source>
        <translation>No chart: the window shows no coil.</translation>
    </message>
    <message>
        <source>Nessun grafico senza il diametro del filo.</source>
        <translation>No chart without the wire diameter.</translation>
    </message>
    <message>
        <source>Nessun grafico: la finestra non ha una bobina.</source>
        <translation>No chart: the window&apos;s coil is outside the sizes the program takes.</translation>
    </message>
    <message>
        <source>Frequenza MHz</source>
        <translation>Frequency MHz</translation>
    </message>
    <message>
        <source>%1 MHz (della finestra)</source>
        <translation>%1 MHz (the window&apos;s)</translation>
    </message>
    <message>
        <source>%1 MHz</source>
        <translation>%1 MHz</translation>
    </message>
    <message>
        <source>Frequenza</source>
        <translation>Frequency</translation>
    </message>
    <message>
        <source>%1 a %2 MHz</source>
        <translation>%1 at %2 MHz</translation>
    </message>
    <message>
        <source>La bobina della finestra non ha diametro, lunghezza e spire che il programma accetta: nessuna figura.</source>
        <translation>The window&apos;s coil has no diameter, length and turns the program takes: no figures.</translation>
    </message>
    <message>
        <source>%1 MHz è fuori dalle frequenze che il programma accetta, da %2 a %3 MHz: nessuna figura a quella frequenza.</source>
        <translation>%1 MHz is outside the frequencies the program takes, %2 to %3 MHz: no figures at that frequency.</translation>
    </message>
    <message>
        <source>A %1 MHz la bobina è sopra la sua risonanza propria (%2 MHz) e lì si comporta come un condensatore: nessuna resistenza, Q o induttanza apparente.</source>
        <translation>At %1 MHz the coil is above its self-resonance (%2 MHz) and behaves there as a capacitor: no resistance, Q or apparent inductance.</translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Pagina menu</source>
        <translation>Menu page</translation>
    </message>
    <message>
        <source>Vai al programma</source>
        <translation>Go to the program</translation>
    </message>
    <message>
        <source>END</source>
        <translation>END</translation>
    </message>
    <message>
        <source>ZORVEK</source>
        <translation>ZORVEK</translation>
    </message>
    <message>
        <source>Quello ero io</source>
        <translation>That was me</translation>
    </message>
    <message>
        <source>Bobine-1</source>
        <translation>Coils-1</translation>
    </message>
    <message>
        <source>Esegue il programma n. 1</source>
        <translation>Runs program no. 1</translation>
    </message>
    <message>
        <source>Bobine-2</source>
        <translation>Coils-2</translation>
    </message>
    <message>
        <source>Esegue il programma bobine 2</source>
        <translation>Runs the Coils-2 program</translation>
    </message>
    <message>
        <source>Diametri</source>
        <translation>Diameters</translation>
    </message>
    <message>
        <source>Il perchè di questi programmi</source>
        <translation>Why these programs</translation>
    </message>
    <message>
        <source>Circa</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Spesso un articolo di costruzione dà soltanto le misure di una bobina: il diametro del supporto, il numero delle spire e la lunghezza dell&apos;avvolgimento, ma non la sua induttanza. E quasi sempre il supporto che abbiamo nel cassetto ha un altro diametro. Senza rifare i conti con formule complicate non si sa quante spire avvolgere né quanto lunga fare la bobina, e il progetto resta sulla carta. Questo piccolo programma risponde proprio a questa domanda: ricava l&apos;induttanza della bobina originale e trova spire e lunghezza per il vostro supporto.</source>
        <translation>Often a construction article gives only the dimensions of a coil: the former diameter, the number of turns and the winding length, but not its inductance. And almost always the former we have in the drawer has another diameter. Without redoing the sums with complicated formulas you cannot tell how many turns to wind or how long to make the coil, and the project stays on paper. This little program answers exactly that question: it works out the inductance of the original coil and finds turns and length for your former.</translation>
    </message>
    <message>
        <source>Perché questi programmi?

Chi costruisce da sé i propri apparati si sente fare sempre la stessa domanda, e prima o poi se la fa da solo: quante spire devo avvolgere su questo supporto per ottenere quella induttanza, e quanto deve essere lunga la bobina? Le risposte si trovano nei manuali, sparse fra tabelle, grafici e formule che ogni volta bisogna ricopiare e rifare a mano. Da qui l&apos;idea di raccogliere i calcoli in un solo posto.

Il primo programma, Bobine-1, somiglia ai soliti calcolatori: trova la frequenza, l&apos;induttanza o la capacità di un circuito accordato quando sono note le altre due grandezze. In più sa partire dalle misure del supporto e dalla frequenza che si vuole ottenere, e dice direttamente quante spire servono; calcola anche un semplice filtro passa-basso a pi greco con condensatori di valore commerciale.

Il secondo programma, Bobine-2, è nato per avere sotto controllo immediato tutti i parametri. Con i tasti più e meno (e con pagina su e pagina giù) si cambia un valore alla volta e si vede subito come si muovono l&apos;induttanza, la spaziatura delle spire, la lunghezza del filo e le frequenze. Le due capacità rappresentano i due estremi di un condensatore variabile, così si leggono insieme il principio e la fine della gamma coperta dal circuito.

Le prime versioni furono scritte molti anni fa in un vecchio BASIC sotto DOS; sono state riprese e messe in finestre, più comode da usare.

La terza procedura, Diametri, è arrivata per ultima. Un articolo chiedeva una bobina avvolta su un supporto da tre pollici, che non si trovava da nessuna parte; invece di rinunciare è stato più semplice scrivere un programma che rifacesse la bobina sul diametro disponibile, con la stessa induttanza e la stessa spaziatura.

Così, al prezzo di uno, avete tre programmi. Nessun calcolo sostituisce però una misura: il grid-dip avrà sempre l&apos;ultima parola.

Per lamentele, suggerimenti e correzioni scrivete pure: ogni osservazione è benvenuta e servirà a migliorare la prossima versione.

Buone autocostruzioni e 73 a tutti!</source>
        <translation>Why these programs?

Anyone who builds their own gear keeps hearing the same question, and sooner or later asks it too: how many turns must I wind on this former to get that inductance, and how long must the coil be? The answers are in the handbooks, scattered among tables, graphs and formulas that have to be copied out and worked by hand every time. Hence the idea of gathering the calculations in one place.

The first program, Coils-1, is like the usual calculators: it finds the frequency, the inductance or the capacitance of a tuned circuit when the other two are known. What is more, it can start from the former&apos;s dimensions and the frequency you want, and tells you straight away how many turns are needed; it also designs a simple pi low-pass filter with capacitors of standard values.

The second program, Coils-2, was born to keep every parameter under immediate control. With the plus and minus keys (and with Page Up and Page Down) you change one value at a time and see at once how the inductance, the turn spacing, the wire length and the frequencies move. The two capacitances are the two ends of a variable capacitor, so you read together the bottom and the top of the range the circuit covers.

The first versions were written many years ago in an old BASIC under DOS; they have been taken up again and put into windows, easier to use.

The third procedure, Diameters, came last. An article called for a coil wound on a three-inch former that could not be found anywhere; rather than give up, it was simpler to write a program that would remake the coil on the diameter at hand, with the same inductance and the same spacing.

So, for the price of one, you get three programs. No calculation replaces a measurement, though: the dip meter will always have the last word.

For complaints, suggestions and corrections, do write: every remark is welcome and will help improve the next version.

Happy homebrewing and 73 to all!</translation>
    </message>
</context>
</TS>
