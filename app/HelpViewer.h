// The game's own help viewer: a separate, non-modal window showing the help file.
#pragma once

#include <QWidget>

class QTextBrowser;
class QLabel;

namespace barkmoor {

class HelpViewer : public QWidget {
    Q_OBJECT

public:
    // Shows the one viewer (made on first use) at the contents of helpFile.
    static HelpViewer *Open(const QString &helpFile);

    QTextBrowser *Browser() const { return browser; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    explicit HelpViewer(QWidget *parent = nullptr);
    void Load(const QString &file);

    QTextBrowser *browser;
    QLabel *status;
};

} // namespace barkmoor
