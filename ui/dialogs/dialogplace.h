#ifndef DIALOGPLACE_H
#define DIALOGPLACE_H

#include "ui/dialogs/dialogbase.h"

#include <QList>

#include "core/calc/customplace.h"
#include "core/gazetteer.h"
#include "ui/uicontext.h"

class Language;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QListWidget;
class XGreenButton;

// "Other place...": the user's own place. A name, the coordinates (typed,
// or taken from a city found in the GeoNames list), the IANA time zone
// (proposed from the city) and the calculation convention (proposed from
// the city's country). Saving selects the place in the timetable client
// and keeps it in the settings; a place that cannot be computed is
// refused with the reason shown.
class DialogPlace : public DialogBase
{
    Q_OBJECT
public:
    explicit DialogPlace(const UiContext &ctx, QWidget *parent = nullptr);

    // The place as the fields describe it, with the stored Asar school,
    // high-latitude rule and adjustments.
    CustomPlace place() const;

    // A convention's name in the catalogue's language
    // ("Place.Convention.<CODE>"), or the record's own name.
    static QString conventionTitle(const Language &language, const QString &code);

    QLineEdit *searchEdit() const { return editSearch; }
    QListWidget *cityList() const { return listCities; }
    QLineEdit *nameEdit() const { return editName; }
    QDoubleSpinBox *latitudeBox() const { return spinLatitude; }
    QDoubleSpinBox *longitudeBox() const { return spinLongitude; }
    QLineEdit *timeZoneEdit() const { return editTimeZone; }
    QComboBox *conventionCombo() const { return comboConvention; }
    QLabel *errorLabel() const { return labelError; }
    XGreenButton *saveButton() const { return buttonSave; }

public slots:
    void slotSearch();
    // Fills the fields from the city at a row of the list.
    void slotCityChosen(int row);
    // Checks the fields, selects the place and stores it; the dialog
    // closes only when that worked.
    void slotSave();
    void slotUpdateLanguage();

private:
    void createFields();
    void fillConventions();
    void showPlace(const CustomPlace &place);
    void showError(const QString &key);
    void relayout();

    QLabel *labelSearch;
    QLineEdit *editSearch;
    QListWidget *listCities;
    QLabel *labelAttribution;
    QLabel *labelName;
    QLineEdit *editName;
    QLabel *labelLatitude;
    QDoubleSpinBox *spinLatitude;
    QLabel *labelLongitude;
    QDoubleSpinBox *spinLongitude;
    QLabel *labelTimeZone;
    QLineEdit *editTimeZone;
    QLabel *labelConvention;
    QComboBox *comboConvention;
    QLabel *labelError;
    XGreenButton *buttonSave;
    XGreenButton *buttonCancel;
    QList<Gazetteer::City> m_cities;
    UiContext m_ctx;
};

#endif // DIALOGPLACE_H
