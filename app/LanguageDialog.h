#pragma once

#include <QDialog>

class QComboBox;

// The first start's choice of language, from the language files found.
class LanguageDialog : public QDialog
{
    Q_OBJECT
public:
    explicit LanguageDialog(const QStringList& languages, QWidget* parent = nullptr);
    QString chosenLanguage() const;

private:
    QComboBox* m_comLanguage;
};
