#include "app/LanguageDialog.h"
#include "app/MainWindow.h"
#include "app/MainWindowUi.h"
#include "app/StartScreen.h"
#include "core/LangText.h"
#include "core/Mnemonics.h"
#include "module/ConnectDialog.h"
#include "module/SearchDialog.h"
#include "sequence/LoopMarker.h"
#include "sequence/SequenceDocument.h"
#include "sequence/SequenceTableModel.h"
#include "shell/HelpWindow.h"
#include "shell/InfoDialog.h"
#include "shell/PropertiesDialog.h"
#include "tests/support/TestContext.h"
#include "vehicle/ParameterDialog.h"
#include "views/PatternDialog.h"
#include "views/grid/ShowGridModel.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QKeySequence>
#include <QLabel>
#include <QMap>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QSet>
#include <QSlider>
#include <QTest>

namespace {

QString plain(QString text)
{
    text.remove(QRegularExpression(QStringLiteral("&(?=[^&])")));
    text.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
    return text.simplified();
}

// Every text a user can read on the windows under root: captions, titles,
// tooltips, list items, headings, cells and actions, keyed by where they stand.
void walkTexts(QObject* root, QMap<QString, QString>& texts)
{
    QMap<QString, int> count;
    QList<QObject*> all = root->findChildren<QObject*>();
    all.prepend(root);
    for (QObject* o : std::as_const(all)) {
        const QString base =
            root->objectName() + u'/' + o->metaObject()->className() + u':' + o->objectName();
        const auto put = [&](const char* what, const QString& text) {
            const QString key = base + u'.' + QString::fromLatin1(what);
            // Several texts in one place (list items, cells) are told apart by their order.
            if (const QString shown = plain(text); !shown.isEmpty())
                texts.insert(key + u'#' + QString::number(count[key]++), shown);
        };
        if (auto* w = qobject_cast<QWidget*>(o)) {
            put("title", w->isWindow() ? w->windowTitle() : QString());
            put("tip", w->toolTip());
            put("name", w->accessibleName());
        }
        if (auto* b = qobject_cast<QAbstractButton*>(o))
            put("text", b->text());
        if (auto* l = qobject_cast<QLabel*>(o))
            put("text", l->text());
        if (auto* g = qobject_cast<QGroupBox*>(o))
            put("title", g->title());
        if (auto* c = qobject_cast<QComboBox*>(o))
            for (int i = 0; i < c->count(); ++i)
                put("item", c->itemText(i));
        if (auto* a = qobject_cast<QAction*>(o)) {
            put("text", a->text());
            put("tip", a->toolTip());
        }
        if (auto* v = qobject_cast<QAbstractItemView*>(o); v && v->model()) {
            const QAbstractItemModel* m = v->model();
            for (int c = 0; c < m->columnCount(); ++c)
                put("column", m->headerData(c, Qt::Horizontal).toString());
            for (int r = 0; r < m->rowCount(); ++r) {
                put("row", m->headerData(r, Qt::Vertical).toString());
                for (int c = 0; c < m->columnCount(); ++c) {
                    put("cell", m->index(r, c).data().toString());
                    put("cellTip", m->index(r, c).data(Qt::ToolTipRole).toString());
                }
            }
        }
    }
}

// The German texts that have an English one of their own, and the words
// that read the same in both languages.
struct Wording
{
    QSet<QString> germanOnly;
    QSet<QString> bothLanguages;

    Wording(const QString& folder)
    {
        LangText german;
        LangText english;
        german.load(QDir(folder).filePath(QStringLiteral("Deutsch.zfl")));
        english.load(QDir(folder).filePath(QStringLiteral("English.zfl")));
        for (int n = 1; n <= LangText::HighestTextNumber; ++n) {
            const QString g = plain(german.text(n));
            const QString e = plain(english.text(n));
            (g == e ? bothLanguages : germanOnly).insert(g);
        }
        for (const QString& e : bothLanguages)
            germanOnly.remove(e);
    }

    // A text is still German when it is a German text with an English one, or
    // when it was shown unchanged in German and is not a word of both languages.
    bool stillGerman(const QString& english, const QString& german) const
    {
        if (germanOnly.contains(english))
            return true;
        if (english != german || bothLanguages.contains(english))
            return false;
        // What reads the same in both: names, numbers, addresses, and the
        // few words both languages share.
        static const QSet<QString> shared{
            QStringLiteral("Deutsch"), QStringLiteral("English"),
            QStringLiteral("Help"),    QStringLiteral("List"),
            QStringLiteral("E-Mail:"), QStringLiteral("Internet:"),
            QStringLiteral("VANTOR"),  QStringLiteral("Light show editor for BMW and Mini"),
        };
        static const QRegularExpression neutral(QStringLiteral(
            "^((Software )?Version [0-9.]+|Port: [0-9]+|Position [0-9]+|Com [0-9]+( \\(.*\\))?|"
            "Vantor( [0-9.]+)?|([ERF][0-9]{2}(, )?)+|[a-z]+@[a-z.]+|www\\.[a-z.]+|[-+0-9 "
            ".,:;/|<>()×½¼%*#]*)$"));
        return !shared.contains(english) && !neutral.match(english).hasMatch();
    }
};

int languageIndex(MainWindow& window, const QString& name)
{
    for (int i = 0; i < window.ui().Auswahl.size(); ++i)
        if (window.ui().Auswahl.at(i)->data().toString() == name)
            return i + 1;
    return 0;
}

} // namespace

class TestEnglish : public QObject
{
    Q_OBJECT
private slots:
    // In English no control, menu, tooltip, list or heading of the main window
    // or of any dialog keeps a German text.
    void everyTextIsEnglish()
    {
        SetUpContext t;
        MainWindow window(t.ctx);
        window.load(QString());
        const Wording wording(t.ctx.programFolder);
        const int german = languageIndex(window, QStringLiteral("Deutsch"));
        const int english = languageIndex(window, QStringLiteral("English"));
        QVERIFY(german > 0 && english > 0);

        auto walkAll = [&](int language) {
            window.auswahlClick(language);
            QCoreApplication::processEvents(); // the gauge measures once the events have run
            StartScreen start(t.ctx.languageName);
            start.setObjectName(QStringLiteral("StartScreen"));
            SearchDialog search;
            search.setObjectName(QStringLiteral("SearchDialog"));
            PatternDialog pattern(t.texts, QLocale(), Patterns::lampsOf(t.vehicle.lampAreas, LampOptions()),
                                  [](const LampBytes&) {});
            pattern.setObjectName(QStringLiteral("PatternDialog"));
            QMap<QString, QString> texts;
            for (QWidget* root : std::initializer_list<QWidget*>{
                     &window, &window.parameterDialog(), &window.propertiesDialog(), &window.infoDialog(),
                     &window.connectDialog(), &start, &search, &pattern}) {
                // Some windows fill in their texts as they open.
                root->show();
                walkTexts(root, texts);
                root->hide();
            }
            return texts;
        };
        const QMap<QString, QString> inGerman = walkAll(german);
        const QMap<QString, QString> inEnglish = walkAll(english);
        QStringList faults;
        // German part letters of lamp names ("_LA", "_RO_U") read as words in English.
        static const QRegularExpression germanPart(QStringLiteral("_[LR](A|I|U|O|O_U)\\b"));
        for (auto it = inEnglish.cbegin(); it != inEnglish.cend(); ++it)
            if (wording.stillGerman(it.value(), inGerman.value(it.key())) ||
                germanPart.match(it.value()).hasMatch())
                faults << it.key() + QStringLiteral(" = ") + it.value();
        for (const QString& fault : std::as_const(faults))
            qInfo().noquote() << "still German:" << fault;
        QVERIFY2(faults.isEmpty(), qPrintable(QString::number(faults.size()) + QStringLiteral(" texts")));
        QVERIFY(inEnglish.size() > 300);
    }

    // Every menu can be worked by keyboard in both languages: each entry has
    // a mnemonic, none twice in a menu, and the File menu opens with Alt+D or Alt+F.
    void menusHaveMnemonics()
    {
        SetUpContext t;
        MainWindow window(t.ctx);
        window.load(QString());
        for (const auto& [name, fileKey] : {std::pair{"Deutsch", u'd'}, std::pair{"English", u'f'}}) {
            window.auswahlClick(languageIndex(window, QString::fromLatin1(name)));
            QCOMPARE(Mnemonics::of(window.ui().Datei->title()), QChar(fileKey));
            // The bar's Alt keys are not those of the window's buttons, or neither would work.
            QSet<QChar> buttonKeys;
            for (const QAbstractButton* button : window.ui().central->findChildren<QAbstractButton*>())
                if (const QChar key = Mnemonics::of(button->text()); !key.isNull())
                    buttonKeys.insert(key);
            for (QAction* title : window.menuBar()->actions())
                QVERIFY2(!buttonKeys.contains(Mnemonics::of(title->text())), qPrintable(title->text()));
            QList<QWidget*> menus{window.menuBar(), window.ui().Tabelle};
            for (QMenu* menu : window.menuBar()->findChildren<QMenu*>())
                menus.append(menu);
            for (QWidget* menu : std::as_const(menus)) {
                QSet<QChar> seen;
                for (QAction* a : menu->actions()) {
                    if (a->isSeparator() || !a->isVisible())
                        continue;
                    const QChar key = Mnemonics::of(a->text());
                    const QString where = menu->objectName() + QStringLiteral(": ") + a->text();
                    // Twenty ports may run out of letters; everything else has its key.
                    QVERIFY2(!key.isNull() || a->objectName().startsWith(QStringLiteral("Port")),
                             qPrintable(where));
                    QVERIFY2(key.isNull() || !seen.contains(key), qPrintable(where));
                    seen.insert(key);
                }
            }
        }
        QCOMPARE(window.ui().Menu[9]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    }

    // The texts the window writes as it works are English too: the play
    // buttons while playing, the title of a new show, lamp names with their
    // parts, and intervals that read alike with one decimal.
    void runningTextsFollowTheLanguage()
    {
        SetUpContext t;
        MainWindow window(t.ctx);
        window.load(QString());
        window.auswahlClick(languageIndex(window, QStringLiteral("English")));
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("Untitled[*]")));

        QList<SequenceRow> rows(3);
        const QString intervals[] = {QStringLiteral("1"), QStringLiteral("0,5"), QStringLiteral("2,25")};
        for (int i = 0; i < 3; ++i) {
            rows[i].interval = intervals[i];
            rows[i].lamps = {1, 0, 0, 0};
        }
        rows[0].loopMarker = rows[1].loopMarker = LoopMarker::make(1, 3);
        t.document.table(0).setRows(rows);
        const SequenceTableModel& table = t.document.table(0);
        auto shown = [&](int row) {
            return table.index(row, SequenceTableModel::IntervalColumn).data().toString();
        };
        QCOMPARE(shown(0), QStringLiteral("1.0"));
        QCOMPARE(shown(1), QStringLiteral("0.5"));
        QCOMPARE(shown(2), QStringLiteral("2.25"));
        QCOMPARE(table.rows().at(0).interval, QStringLiteral("1")); // the file keeps its text
        auto loop = [&](int row) {
            return table.index(row, SequenceTableModel::LoopColumn).data().toString();
        };
        QCOMPARE(loop(1), QStringLiteral("Loop 1 × 3"));
        QCOMPARE(table.rows().at(1).loopMarker, QStringLiteral("S  1 / 3 x"));
        QCOMPARE(window.showGrid().headerData(0, Qt::Horizontal, ShowGridModel::IntervalRole).toString(),
                 QStringLiteral("1.0"));
        window.ui().sliderZeitein->setValue(20);
        QVERIFY(window.ui().labZeitein->text().startsWith(QStringLiteral("2.0")));

        window.ui().cmdSilulation->click();
        QCOMPARE(window.ui().cmdSilulation->text(), QStringLiteral("Stop"));
        QCOMPARE(window.ui().cmdSimWeiter->text(), QStringLiteral("Stop"));
        window.ui().cmdSilulation->click();
        QVERIFY(window.ui().cmdSilulation->text() != QStringLiteral("Stop"));

        window.auswahlClick(languageIndex(window, QStringLiteral("Deutsch")));
        QVERIFY(window.windowTitle().startsWith(QStringLiteral("Neu[*]")));
        QCOMPARE(shown(0), QStringLiteral("1,0"));
        QCOMPARE(loop(1), QStringLiteral("S  1 / 3 x")); // German shows the marker as stored
        QVERIFY(window.ui().labZeitein->text().startsWith(QStringLiteral("2,0")));
    }
};

QTEST_MAIN(TestEnglish)
#include "test_english.moc"
