#pragma once

#include <QWidget>

class QLabel;

/// The window shown while the program starts: the meadow picture with the program's name, the
/// maker's lines and the version, without border or caption, centred on the screen.
class TFormSplashScreen : public QWidget {
    Q_OBJECT
public:
    explicit TFormSplashScreen(QWidget* parent = nullptr);

    /// Shows "ver. " + the version text of the configuration file.
    void nastavVerziu(const QString& version);
    /// Says what the start is doing while it takes long (empty: nothing) and draws it at once,
    /// as the start runs without the message loop.
    void ukazCinnost(const QString& cinnost);

    QLabel* ImageSplashScreen = nullptr;
    QLabel* LabelNadpis = nullptr;
    QLabel* LabelPodnadpis = nullptr;
    QLabel* LabelCopyright = nullptr;
    QLabel* LabelPracovisko = nullptr;
    QLabel* LabelAdresa = nullptr;
    QLabel* LabelVerzia = nullptr;
    QLabel* LabelCinnost = nullptr;

private:
    QLabel* pridajPopis(const char* name, const QString& text, const QFont& font);
};
