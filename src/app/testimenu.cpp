// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/testimenu.h"

#include <QCoreApplication>

QString TestoDiametri()
{
    return QCoreApplication::translate(
        "frmOptions",
        "Spesso un articolo di costruzione dà soltanto le misure di una bobina: il diametro "
        "del supporto, il numero delle spire e la lunghezza dell'avvolgimento, ma non la sua "
        "induttanza. E quasi sempre il supporto che abbiamo nel cassetto ha un altro "
        "diametro. Senza rifare i conti con formule complicate non si sa quante spire "
        "avvolgere né quanto lunga fare la bobina, e il progetto resta sulla carta. Questo "
        "piccolo programma risponde proprio a questa domanda: ricava l'induttanza della "
        "bobina originale e trova spire e lunghezza per il vostro supporto.");
}

QString TestoCirca()
{
    return QCoreApplication::translate(
        "frmOptions",
        "Perché questi programmi?\n\n"
        "Chi costruisce da sé i propri apparati si sente fare sempre la stessa domanda, e "
        "prima o poi se la fa da solo: quante spire devo avvolgere su questo supporto per "
        "ottenere quella induttanza, e quanto deve essere lunga la bobina? Le risposte si "
        "trovano nei manuali, sparse fra tabelle, grafici e formule che ogni volta bisogna "
        "ricopiare e rifare a mano. Da qui l'idea di raccogliere i calcoli in un solo posto.\n\n"
        "Il primo programma, Bobine-1, somiglia ai soliti calcolatori: trova la frequenza, "
        "l'induttanza o la capacità di un circuito accordato quando sono note le altre due "
        "grandezze. In più sa partire dalle misure del supporto e dalla frequenza che si "
        "vuole ottenere, e dice direttamente quante spire servono; calcola anche un semplice "
        "filtro passa-basso a pi greco con condensatori di valore commerciale.\n\n"
        "Il secondo programma, Bobine-2, è nato per avere sotto controllo immediato tutti i "
        "parametri. Con i tasti più e meno (e con pagina su e pagina giù) si cambia un valore "
        "alla volta e si vede subito come si muovono l'induttanza, la spaziatura delle spire, "
        "la lunghezza del filo e le frequenze. Le due capacità rappresentano i due estremi "
        "di un condensatore variabile, così si leggono insieme il principio e la fine della "
        "gamma coperta dal circuito.\n\n"
        "Le prime versioni furono scritte molti anni fa in un vecchio BASIC sotto DOS; sono "
        "state riprese e messe in finestre, più comode da usare.\n\n"
        "La terza procedura, Diametri, è arrivata per ultima. Un articolo chiedeva una bobina "
        "avvolta su un supporto da tre pollici, che non si trovava da nessuna parte; invece di "
        "rinunciare è stato più semplice scrivere un programma che rifacesse la bobina sul "
        "diametro disponibile, con la stessa induttanza e la stessa spaziatura.\n\n"
        "Così, al prezzo di uno, avete tre programmi. Nessun calcolo sostituisce però una "
        "misura: il grid-dip avrà sempre l'ultima parola.\n\n"
        "Per lamentele, suggerimenti e correzioni scrivete pure: ogni osservazione è "
        "benvenuta e servirà a migliorare la prossima versione.\n\n"
        "Buone autocostruzioni e 73 a tutti!");
}
