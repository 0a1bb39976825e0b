#include "app/MainWindowUi.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace {

QString idx(const char* name, int i)
{
    return QString::fromUtf8(name) + QLatin1Char('(') + QString::number(i) + QLatin1Char(')');
}

QAction* action(QMenu* menu, const QString& name, const QString& caption)
{
    auto* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

} // namespace

// The menu bar and the tables' context menu, with their keys.
void MainWindowUi::setupMenus(QMainWindow* window)
{
    QMenuBar* bar = window->menuBar();
    Datei = bar->addMenu(QStringLiteral("Datei"));
    Datei->setObjectName(QStringLiteral("Datei"));
    const char* fileCaptions[] = {
        "",        "Neu",         "Öffnen",       "Speichern", "Speichern unter", "Eigenschaften",
        "Sprache", "Reg Löschen", "Modul Update", "Beenden"};
    for (int i = 1; i <= 9; ++i) {
        const QString caption = QString::fromUtf8(fileCaptions[i]);
        if (i == 6) {
            menuLanguage = Datei->addMenu(caption);
            menuLanguage->setObjectName(idx("Menu", i));
            Menu[6] = menuLanguage->menuAction();
        } else if (i == 8) {
            menuUpdate = Datei->addMenu(caption);
            menuUpdate->setObjectName(idx("Menu", i));
            Menu[8] = menuUpdate->menuAction();
        } else {
            Menu[std::size_t(i)] = action(Datei, idx("Menu", i), caption);
        }
        if (i == 5 || i == 8)
            Datei->addSeparator();
    }
    Menu[7]->setVisible(false);
    // The language items are created when the program folder has been scanned.
    Auswahl.append(action(menuLanguage, idx("Auswahl", 1), QStringLiteral("Auswahl")));
    Update = action(menuUpdate, QStringLiteral("Update"), QStringLiteral("Update"));
    Hilfe = action(menuUpdate, QStringLiteral("Hilfe"), QStringLiteral("Help"));

    NeuVorlage = new QAction(QStringLiteral("Neu aus Vorlage"), Datei);
    NeuVorlage->setObjectName(QStringLiteral("NeuVorlage"));
    Datei->insertAction(Menu[2], NeuVorlage);
    ExportStoryboard = new QAction(QStringLiteral("Storyboard exportieren"), Datei);
    ExportStoryboard->setObjectName(QStringLiteral("ExportStoryboard"));
    Datei->insertAction(Menu[5], ExportStoryboard);
    ExportAnimation = new QAction(QStringLiteral("Animation exportieren"), Datei);
    ExportAnimation->setObjectName(QStringLiteral("ExportAnimation"));
    Datei->insertAction(Menu[5], ExportAnimation);
    ExportVideo = new QAction(QStringLiteral("Video exportieren"), Datei);
    ExportVideo->setObjectName(QStringLiteral("ExportVideo"));
    Datei->insertAction(Menu[5], ExportVideo);
    for (int i = 1; i <= 5; ++i) {
        QAction* recent = new QAction(Datei);
        recent->setObjectName(idx("Recent", i));
        recent->setVisible(false);
        Datei->insertAction(Menu[9], recent);
        Recent[std::size_t(i - 1)] = recent;
    }
    RecentSeparator = Datei->insertSeparator(Menu[9]);
    RecentSeparator->setVisible(false);
    Menu[1]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    Menu[2]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Menu[3]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    Menu[4]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    Menu[9]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    Bearbeiten = bar->addMenu(QStringLiteral("Bearbeiten"));
    Bearbeiten->setObjectName(QStringLiteral("Bearbeiten"));
    Undo = action(Bearbeiten, QStringLiteral("Undo"), QStringLiteral("Rückgängig"));
    Undo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    Undo->setEnabled(false);
    Redo = action(Bearbeiten, QStringLiteral("Redo"), QStringLiteral("Wiederholen"));
    Redo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    Redo->setEnabled(false);

    Ansicht = bar->addMenu(QStringLiteral("Ansicht"));
    Ansicht->setObjectName(QStringLiteral("Ansicht"));
    Nachtansicht = action(Ansicht, QStringLiteral("Nachtansicht"), QStringLiteral("Nachtansicht"));
    Nachtansicht->setCheckable(true);
    Nachtansicht->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    Tempo = Ansicht->addMenu(QStringLiteral("Tempo"));
    Tempo->setObjectName(QStringLiteral("Tempo"));
    auto* speeds = new QActionGroup(Tempo);
    // Ctrl and the digit that divides the speed.
    const Qt::Key speedKeys[] = {Qt::Key_1, Qt::Key_2, Qt::Key_4};
    for (std::size_t i = 0; i < TempoStufe.size(); ++i) {
        QAction* speed = action(Tempo, idx("TempoStufe", int(i) + 1),
                                PlaybackController::speedName(PlaybackController::Slowdowns.at(i)));
        speed->setCheckable(true);
        speed->setShortcut(QKeySequence(Qt::CTRL | speedKeys[i]));
        speeds->addAction(speed);
        TempoStufe[i] = speed;
    }
    TempoStufe[0]->setChecked(true);
    Ansicht->addSeparator();
    WiederholtAbspielen = action(Ansicht, QStringLiteral("WiederholtAbspielen"),
                                 QStringLiteral("Markierte Zeilen wiederholt abspielen"));
    WiederholtAbspielen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F5));

    Connect = bar->addMenu(QStringLiteral("Verbindung"));
    Connect->setObjectName(QStringLiteral("Connect"));
    for (int i = 1; i <= 20; ++i) {
        QAction* port = action(Connect, idx("Port", i), QStringLiteral("Com %1").arg(i));
        port->setCheckable(true);
        Port[std::size_t(i)] = port;
    }
    Connect->addSeparator();
    FindModule = action(Connect, QStringLiteral("FindModule"), QStringLiteral("Modul suchen"));

    Konfig = bar->addAction(QStringLiteral("Konfiguration"));
    Konfig->setObjectName(QStringLiteral("Konfig"));

    Info = bar->addMenu(QStringLiteral("Info"));
    Info->setObjectName(QStringLiteral("Info"));
    M_Type = action(Info, QStringLiteral("M_Type"), QStringLiteral("Modul-Typ auslesen"));
    About = action(Info, QStringLiteral("About"), QStringLiteral("Über"));

    Help_Menu = bar->addMenu(QStringLiteral("Hilfe"));
    Help_Menu->setObjectName(QStringLiteral("Help_Menu"));
    Help = action(Help_Menu, QStringLiteral("Help"), QStringLiteral("Hilfe starten"));
    Help->setShortcut(QKeySequence(Qt::Key_F1));
    Bereich = action(Help_Menu, QStringLiteral("Bereich"), QStringLiteral("Bereiche anzeigen"));

    Tabelle = new QMenu(QStringLiteral("List"), window);
    Tabelle->setObjectName(QStringLiteral("Tabelle"));
    const char* tableCaptions[] = {"", "Kopieren", "Ausschneiden", "Einfügen", "Einfügen an Tabellenende"};
    for (int i = 1; i <= 4; ++i)
        List_1[std::size_t(i)] = action(Tabelle, idx("List_1", i), QString::fromUtf8(tableCaptions[i]));

    // The Edit menu holds the context menu's items too, so their keys answer
    // anywhere in the window.
    Bearbeiten->addSeparator();
    for (std::size_t i : {2, 1, 3, 4})
        Bearbeiten->addAction(List_1[i]);
    List_1[1]->setShortcuts(QKeySequence::Copy);
    List_1[2]->setShortcuts(QKeySequence::Cut);
    List_1[3]->setShortcuts(QKeySequence::Paste);
    List_1[4]->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_V));
    Loeschen = action(Bearbeiten, QStringLiteral("Löschen"), QStringLiteral("Zeile(n) &löschen"));
    Loeschen->setShortcuts(QKeySequence::Delete);
    AllesMarkieren = action(Bearbeiten, QStringLiteral("AllesMarkieren"), QStringLiteral("Alles markieren"));
    AllesMarkieren->setShortcuts(QKeySequence::SelectAll);
    Bearbeiten->addSeparator();
    Spiegeln = action(Bearbeiten, QStringLiteral("Spiegeln"), QStringLiteral("Links/rechts spiegeln"));
    Spiegeln->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    Umkehren = action(Bearbeiten, QStringLiteral("Umkehren"), QStringLiteral("Reihenfolge umkehren"));
    Umkehren->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_R));
    Skalieren = Bearbeiten->addMenu(QStringLiteral("Dauer skalieren"));
    Skalieren->setObjectName(QStringLiteral("Skalieren"));
    const double factors[] = {0.5, 1.5, 2.0, 0.0};
    const char* factorCaptions[] = {"× 0,5", "× 1,5", "× 2", "Anderer Faktor..."};
    for (int i = 1; i <= 4; ++i)
        action(Skalieren, idx("Faktor", i), QString::fromUtf8(factorCaptions[i - 1]))
            ->setData(factors[i - 1]);
    Muster = action(Bearbeiten, QStringLiteral("Muster"), QStringLiteral("Muster einfügen..."));
    AlsBaustein = action(Bearbeiten, QStringLiteral("AlsBaustein"),
                         QStringLiteral("Markierte Zeilen als Baustein speichern..."));
    Abschied =
        action(Bearbeiten, QStringLiteral("Abschied"), QStringLiteral("Abschied aus Begrüßung erstellen"));
    // The tools for the marked rows are in the context menu as well.
    Tabelle->addSeparator();
    Tabelle->addAction(Spiegeln);
    Tabelle->addAction(Umkehren);
    Tabelle->addMenu(Skalieren);
    Tabelle->addAction(AlsBaustein);
}
