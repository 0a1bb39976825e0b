#include "core/CaptionTable.h"

#include "core/LangText.h"

namespace {

using Kind = CaptionEntry::Kind;

void add(QList<CaptionEntry>& table, const char* window, const QString& control, int text)
{
    table.append({QString::fromUtf8(window), control, text, 0, Kind::Caption});
}

QString idx(const char* name, int i)
{
    return QString::fromUtf8(name) + QLatin1Char('(') + QString::number(i) + QLatin1Char(')');
}

QList<CaptionEntry> buildTable()
{
    QList<CaptionEntry> t;
    const char* main = "MainWindow";
    add(t, main, QStringLiteral("Datei"), 1);
    for (int i = 1; i <= 5; ++i)
        add(t, main, idx("Menu", i), 1 + i);
    add(t, main, idx("Menu", 6), 232);
    add(t, main, idx("Menu", 8), 7);
    add(t, main, idx("Menu", 9), 226);
    const char* menus[] = {"Connect", "Konfig", "Info", "M_Type", "About", "Help_Menu", "Help", "Bereich"};
    const int menuTexts[] = {8, 9, 10, 11, 233, 13, 14, 15};
    for (int i = 0; i < 8; ++i)
        add(t, main, QString::fromUtf8(menus[i]), menuTexts[i]);
    for (int i = 1; i <= 4; ++i)
        add(t, main, idx("List_1", i), 15 + i);
    const char* buttons[] = {"cmdSilulation",     "cmdSimWeiter", "cmdLichtaus", "cmdÄndern",
                             "cmdEinfügen",       "cmdLöschen",   "cmdSchleife", "cmdSchleife_L",
                             "cmdSpeicherbedarf", "cmdDaten",     "cmdExit",     "cmdWeiter"};
    for (int i = 0; i < 12; ++i)
        add(t, main, QString::fromUtf8(buttons[i]), 20 + i);
    add(t, main, idx("optAuf_Zu", 0), 35);
    add(t, main, idx("optAuf_Zu", 1), 36);
    add(t, main, QStringLiteral("chkAutomatichWeiter"), 56);
    add(t, main, QStringLiteral("labInfo"), 78);
    add(t, main, idx("Menu", 7), 387);
    add(t, main, QStringLiteral("cmdBereiche"), 15);
    const char* tipped[] = {"cmdSilulation", "cmdSimWeiter",  "chkAutomatichWeiter",
                            "cmdSchleife",   "cmdSchleife_L", "cmdWeiter"};
    for (int i = 0; i < 6; ++i)
        t.append({QString::fromUtf8(main), QString::fromUtf8(tipped[i]), 381 + i, 0, Kind::ToolTip});
    for (int i = 1; i <= 6; ++i)
        add(t, main, QStringLiteral("Frame%1").arg(i), 61 + i);

    const char* props = "PropertiesDialog";
    add(t, props, QStringLiteral("cmdRegistry"), 32);
    add(t, props, QStringLiteral("cmdOK"), 33);
    add(t, props, QStringLiteral("chkAuto"), 57);
    add(t, props, QStringLiteral("chkAktivierung"), 58);
    add(t, props, QStringLiteral("PropertiesDialog"), 6);

    const char* param = "ParameterDialog";
    add(t, param, QStringLiteral("chkRinge"), 59);
    add(t, param, QStringLiteral("chkEine_Nebelleuchte"), 60);
    add(t, param, QStringLiteral("chk_Abbiegelicht"), 61);
    const char* functions[] = {"chkTagfahrlicht",    "chkStandlicht_US",  "chkTagfahrlicht_Standlicht",
                               "chkCommingHome_Auf", "chkCommingHome_Zu", "chkSoft_Ein"};
    const int functionTexts[] = {197, 198, 199, 200, 201, 208};
    for (int i = 0; i < 6; ++i)
        add(t, param, QString::fromUtf8(functions[i]), functionTexts[i]);
    add(t, param, QStringLiteral("cmdOK"), 33);
    add(t, param, QStringLiteral("cmdAbbrechen"), 328);
    const int typeTexts[] = {37, 38, 39, 40, 41, 42, 43, 191, 192};
    for (int i = 1; i <= 9; ++i)
        add(t, param, idx("optType", i), typeTexts[i - 1]);
    for (int i = 1; i <= 5; ++i)
        add(t, param, idx("optBauform", i), 43 + i);
    add(t, param, idx("optBaujahr", 1), 49);
    add(t, param, idx("optBaujahr", 0), 50);
    add(t, param, idx("optBaujahr", 2), 51);
    add(t, param, idx("optBaujahr", 3), 207);
    for (int i = 1; i <= 4; ++i)
        add(t, param, idx("chkFernlicht", i), 51 + i);
    add(t, param, QStringLiteral("Frame7"), 68);
    for (int i = 1; i <= 4; ++i)
        add(t, param, idx("labParameter", i), 68 + i);
    add(t, param, QStringLiteral("ParameterDialog"), 75);
    t.append({QString::fromUtf8(param), QStringLiteral("chkSpiegel_Kurz"), 155, 177, Kind::WithSuffixText});
    t.append({QString::fromUtf8(param), QStringLiteral("chkSpiegel_Lang"), 156, 177, Kind::WithSuffixText});
    add(t, param, QStringLiteral("Frame4"), 152);
    add(t, param, QStringLiteral("chkVebel_vorne_vertauschen"), 204);
    add(t, param, QStringLiteral("E6x_LCI_Modul"), 229);
    t.append({QString::fromUtf8(param), QStringLiteral("combBegrüßung"), 157, 0, Kind::FirstListItem});
    t.append({QString::fromUtf8(param), QStringLiteral("combVerabschiedung"), 157, 0, Kind::FirstListItem});

    add(t, "InfoDialog", QStringLiteral("cmdEnde"), 34);
    add(t, "ConnectDialog", QStringLiteral("labVerbindungsaufbau"), 73);
    add(t, "ConnectDialog", QStringLiteral("ConnectDialog"), 388);
    return t;
}

} // namespace

QString CaptionEntry::compose(const LangText& texts) const
{
    if (kind == Kind::WithSuffixText)
        return texts.text(text) + QStringLiteral(", ") + texts.text(second);
    return texts.text(text);
}

const QList<CaptionEntry>& captionTable()
{
    static const QList<CaptionEntry> table = buildTable();
    return table;
}
