#ifndef PANELCONFBASE_H
#define PANELCONFBASE_H

#include <QWidget>

class QComboBox;
class QLabel;
class XCheckBox;
class XUrlLabel;

// What every panel of the configuration page shares: the yellow title with
// the white rule under it, black captions, and the geometry helpers of the
// caption-and-combo rows. A panel lays itself out again whenever its size
// or its captions change.
class PanelConfBase : public QWidget
{
    Q_OBJECT
public:
    explicit PanelConfBase(QWidget *parent = nullptr);

    // Lays out the whole panel for its present size; run after every
    // caption change and on every resize. The page also runs it when it
    // gives a hidden panel its size, so that a panel is laid out before
    // it is first shown.
    virtual void relayout() = 0;

protected:

    // Title at (10, 5), sized to its text; the rule under it, panel width
    // - 20 wide, 4 pixels below the title. Returns the rule's bottom.
    int layoutTitle();

    // A caption at (x, y), sized to its text, with its combo 10 pixels to
    // its right and centred vertically on it. Returns the bottom of the
    // taller of the two.
    static int placeRow(QLabel *caption, QComboBox *combo, int x, int y);

    // Shows the entry whose index equals value without emitting; a value
    // outside the combo's range leaves the combo as it is.
    static void showIndex(QComboBox *combo, int value);

    // A caption label in black text, named for the tests and the
    // screenshots.
    QLabel *makeCaption(const QString &objectName);
    QComboBox *makeCombo(const QString &objectName);

    // A check box with its clickable caption (black, no hover effect).
    XUrlLabel *makeCheckCaption(const QString &objectName);
    XCheckBox *makeCheckBox(XUrlLabel *caption, const QString &objectName);

    // Sizes the box's caption to its text and places the box at (x, y),
    // the caption to its right. Returns the bottom of the box or of the
    // caption, whichever is lower.
    static int placeCheckBox(XCheckBox *box, XUrlLabel *caption, int x, int y);

    void resizeEvent(QResizeEvent *event) override;

    QLabel *labelTitle;
    QLabel *labelLine;
};

#endif // PANELCONFBASE_H
