<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it_IT">
<context>
    <name>Form1</name>
    <message>
        <source>Le bobine cilindriche ad un solo strato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CALCOLO DI:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FREQUENZA    dati induttanza e capacità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDUTTANZA   dati frequenza e capacità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CAPACITA&apos;       dati induttanza e frequenza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INDUTTANZA     dati supporto spire lungh.bobina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPIRE     dati supporto induttanza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SPIRE    dati supporto,frequenza e capacità</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PASSSA-BASSO    data la frequenza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Induttanza µH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacità  pF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequenza Mhz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diam. Supp. mm.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lungh.bobina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calcola</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Torna al menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mettere i valori</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mettere il valore</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore non contemplato!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passa-basso: induttanza µH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passa-basso: condensatore C1 pF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passa-basso: condensatore C2 pF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Risultato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Induttanza µHenry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capacità PF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spire n.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freq. taglio Mhz</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Nuovo modo di calcolo Bobine  by zorvek</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blocca Spaziatura</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna Quadro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diametro supporto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- .5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+ .5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunghezza bobina</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filo occorrente esclusi terminali</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pF Capacità 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cond.Variabile 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mhz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pF Capacità 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cond.Variabile2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bobine quadrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>si</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Induttanza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>µH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Ricalcolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/form2-ricevitore2.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/form2-ricevitore1.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   F1    guida all&apos;uso</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Torna al menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spaziatura %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequenza %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: lato</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: diagonale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lato cm </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>diagon. cm </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spaziatura agganciata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spaziatura sganciata</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nel campo &quot;%1&quot; il testo &quot;%2&quot; non è un numero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Causa: &quot;%1&quot; vale %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Form3</name>
    <message>
        <source>Cambia Diametro Bobine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dati di partenza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nuovi dati</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Induttanza</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diametro mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spire</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunghezza bobina mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spaziatura mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ricalcola con nuovo Diametro</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunghezza filo mt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ritorna     al menu esterno</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Come si usa: nelle caselle di sinistra scrivete il diametro del supporto, il numero delle spire e la lunghezza della bobina che conoscete; nella casella di destra scrivete il nuovo diametro. Premete il pulsante &quot;Ricalcola con nuovo Diametro&quot;: la colonna di destra mostra i nuovi dati, e il calcolo è fatto quando l&apos;induttanza in alto a destra è uguale a quella di partenza.
Siccome un&apos;induttanza proprio identica è difficile da ottenere, cliccate i pulsantini accanto alle spire finché l&apos;induttanza risulta uguale o di poco inferiore a quella di partenza, poi quelli accanto alla lunghezza per avvicinarla il più possibile, tenendo la spaziatura uguale o appena più larga di quella di partenza.
Se qualcuno conosce un procedimento migliore, me lo mandi: sarà il benvenuto.
                                        ZORVEK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La lunghezza della bobina di partenza deve essere maggiore di zero: correggere il valore di &quot;Lunghezza bobina mm&quot; nei dati di partenza.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La spaziatura di partenza (lunghezza diviso spire) deve essere maggiore di zero: correggere il numero delle &quot;Spire&quot; o la &quot;Lunghezza bobina mm&quot; nei dati di partenza.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dopo %1 tentativi la ricerca non ha raggiunto l&apos;induttanza di partenza ed è stata interrotta: controllare i dati di partenza e il nuovo diametro.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regola %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpViewer</name>
    <message>
        <source>Guida</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Impossibile trovare la guida %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RuntimeError</name>
    <message>
        <source>Chiamata di routine o argomento non validi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Indice non incluso nell&apos;intervallo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Divisione per zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tipo non corrispondente</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Valore della proprietà non valido</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore sconosciuto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Errore di run-time &apos;%1&apos;:

%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmOptions</name>
    <message>
        <source>Pagina menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>:/pictures/menu-zorvek.svg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vai al programma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>END</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ZORVEK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quello ero io</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bobine-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esegue il programma n. 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bobine-2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Esegue il programma bobine 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diametri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Il perchè di questi programmi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Circa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spesso un articolo di costruzione dà soltanto le misure di una bobina: il diametro del supporto, il numero delle spire e la lunghezza dell&apos;avvolgimento, ma non la sua induttanza. E quasi sempre il supporto che abbiamo nel cassetto ha un altro diametro. Senza rifare i conti con formule complicate non si sa quante spire avvolgere né quanto lunga fare la bobina, e il progetto resta sulla carta. Questo piccolo programma risponde proprio a questa domanda: ricava l&apos;induttanza della bobina originale e trova spire e lunghezza per il vostro supporto.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
