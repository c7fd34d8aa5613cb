#include "ui/dialogs/dialogplace.h"

#include <QComboBox>
#include <QCompleter>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTimeZone>

#include "core/almarikmanager.h"
#include "core/appconfig.h"
#include "core/calc/conventioncatalogue.h"
#include "core/language.h"
#include "core/logcategories.h"
#include "ui/controls/labelfactory.h"
#include "ui/controls/xgreenbutton.h"

namespace {

const int DialogWidth = 520;
const int Margin = 25;
const int ButtonWidth = 110;
const int ButtonHeight = 36;
const int ListHeight = 110;
const char FieldSheet[] = "QLineEdit, QDoubleSpinBox, QComboBox, QListWidget { background: rgb(225, 225, 225); }";

QLabel *caption(QWidget *parent, const QString &name)
{
    return LabelFactory::label(parent, name, 9, Qt::black);
}

} // namespace

DialogPlace::DialogPlace(const UiContext &ctx, QWidget *parent)
    : DialogBase(parent)
    , m_ctx(ctx)
{
    setObjectName(QStringLiteral("DialogPlace"));
    setStyleSheet(QLatin1String(FieldSheet));
    createFields();
    fillConventions();
    const CustomPlace &stored = m_ctx.config->customPlace;
    if (!stored.name.isEmpty())
        showPlace(stored);
    else
        editTimeZone->setText(QString::fromUtf8(QTimeZone::systemTimeZoneId()));
    slotUpdateLanguage();
    connect(m_ctx.language, &Language::updated, this, &DialogPlace::slotUpdateLanguage);
    centre();
}

QString DialogPlace::conventionTitle(const Language &language, const QString &code)
{
    const QString title = language.text(QStringLiteral("Place.Convention.") + code.toUpper());
    if (!title.isEmpty())
        return title;
    const PrayerConvention convention = ConventionCatalogue::builtIn().find(code);
    return convention.isValid() ? convention.name : code;
}

void DialogPlace::createFields()
{
    labelSearch = caption(this, QStringLiteral("labelSearch"));
    editSearch = new QLineEdit(this);
    editSearch->setObjectName(QStringLiteral("editSearch"));
    editSearch->setClearButtonEnabled(true);
    connect(editSearch, &QLineEdit::textChanged, this, &DialogPlace::slotSearch);

    listCities = new QListWidget(this);
    listCities->setObjectName(QStringLiteral("listCities"));
    connect(listCities, &QListWidget::currentRowChanged, this, &DialogPlace::slotCityChosen);

    labelAttribution = LabelFactory::label(this, QStringLiteral("labelAttribution"), 8, Qt::black);

    labelName = caption(this, QStringLiteral("labelName"));
    editName = new QLineEdit(this);
    editName->setObjectName(QStringLiteral("editName"));
    editName->setMaxLength(60);

    labelLatitude = caption(this, QStringLiteral("labelLatitude"));
    spinLatitude = new QDoubleSpinBox(this);
    spinLatitude->setObjectName(QStringLiteral("spinLatitude"));
    spinLatitude->setRange(-90, 90);
    spinLatitude->setDecimals(4);
    labelLongitude = caption(this, QStringLiteral("labelLongitude"));
    spinLongitude = new QDoubleSpinBox(this);
    spinLongitude->setObjectName(QStringLiteral("spinLongitude"));
    spinLongitude->setRange(-180, 180);
    spinLongitude->setDecimals(4);

    labelTimeZone = caption(this, QStringLiteral("labelTimeZone"));
    editTimeZone = new QLineEdit(this);
    editTimeZone->setObjectName(QStringLiteral("editTimeZone"));
    QStringList zones;
    for (const QByteArray &id : QTimeZone::availableTimeZoneIds())
        zones << QString::fromUtf8(id);
    auto *completer = new QCompleter(zones, editTimeZone);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    editTimeZone->setCompleter(completer);

    labelConvention = caption(this, QStringLiteral("labelConvention"));
    comboConvention = new QComboBox(this);
    comboConvention->setObjectName(QStringLiteral("comboConvention"));

    labelError = LabelFactory::label(this, QStringLiteral("labelError"), 9, QColor(160, 0, 0));
    labelError->setWordWrap(true);

    buttonSave = new XGreenButton(this);
    buttonSave->setObjectName(QStringLiteral("buttonSave"));
    connect(buttonSave, &XPanelButton::clicked, this, &DialogPlace::slotSave);
    buttonCancel = new XGreenButton(this);
    buttonCancel->setObjectName(QStringLiteral("buttonCancel"));
    connect(buttonCancel, &XPanelButton::clicked, this, &QDialog::reject);

    const QFont fieldFont(QStringLiteral("Arial"), 9);
    for (QWidget *field : std::initializer_list<QWidget *>{editSearch, listCities, editName, spinLatitude,
                                                          spinLongitude, editTimeZone, comboConvention})
        field->setFont(fieldFont);
    listCities->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The fields were made in reading order; typing starts in the search.
    editSearch->setFocus();
}

void DialogPlace::fillConventions()
{
    const QString current = comboConvention->currentData().toString();
    comboConvention->clear();
    for (const QString &code : ConventionCatalogue::builtIn().codes())
        comboConvention->addItem(conventionTitle(*m_ctx.language, code), code);
    const int index = comboConvention->findData(current.isEmpty() ? m_ctx.config->customPlace.convention : current);
    comboConvention->setCurrentIndex(qMax(0, index));
}

void DialogPlace::showPlace(const CustomPlace &place)
{
    editName->setText(place.name);
    spinLatitude->setValue(place.latitude);
    spinLongitude->setValue(place.longitude);
    editTimeZone->setText(place.timeZone);
    const int index = comboConvention->findData(place.convention.toUpper());
    if (index >= 0)
        comboConvention->setCurrentIndex(index);
}

CustomPlace DialogPlace::place() const
{
    CustomPlace place = m_ctx.config->customPlace;
    place.name = editName->text().trimmed();
    place.latitude = spinLatitude->value();
    place.longitude = spinLongitude->value();
    place.timeZone = editTimeZone->text().trimmed();
    place.convention = comboConvention->currentData().toString();
    return place;
}

void DialogPlace::slotSearch()
{
    const QSignalBlocker blocker(listCities);
    listCities->clear();
    m_cities = editSearch->text().trimmed().size() < 2 ? QList<Gazetteer::City>()
                                                       : Gazetteer::search(editSearch->text(), 30);
    for (const Gazetteer::City &city : qAsConst(m_cities)) {
        QStringList parts{city.name};
        if (!city.state.isEmpty() && city.state != city.name)
            parts << city.state;
        parts << city.country;
        listCities->addItem(parts.join(QStringLiteral(", ")));
    }
}

void DialogPlace::slotCityChosen(int row)
{
    if (row < 0 || row >= m_cities.size())
        return;
    const Gazetteer::City &city = m_cities.at(row);
    CustomPlace chosen = place();
    chosen.name = city.name;
    chosen.latitude = city.latitude;
    chosen.longitude = city.longitude;
    chosen.timeZone = city.timeZone;
    chosen.convention = ConventionCatalogue::builtIn().forCountry(city.countryCode);
    showPlace(chosen);
    labelError->clear();
}

void DialogPlace::showError(const QString &key)
{
    labelError->setText(m_ctx.language->text(key));
    relayout();
}

void DialogPlace::slotSave()
{
    const CustomPlace chosen = place();
    if (chosen.name.isEmpty()) {
        showError(QStringLiteral("Place.NeedName"));
        return;
    }
    if (!QTimeZone(chosen.timeZone.toUtf8()).isValid()) {
        showError(QStringLiteral("Place.BadTimeZone"));
        return;
    }
    // The manager refuses a place it cannot compute (the sun neither rises
    // nor sets on some day) and keeps the selection it had.
    if (!m_ctx.almarikManager->setCustomPlace(chosen)) {
        qCWarning(lcUi).noquote() << "own place refused:" << chosen.name << chosen.latitude << chosen.longitude;
        showError(QStringLiteral("Place.CannotCompute"));
        return;
    }
    m_ctx.config->customPlace = chosen;
    m_ctx.config->useCustomPlace = true;
    m_ctx.config->save();
    accept();
}

void DialogPlace::slotUpdateLanguage()
{
    const Language *language = m_ctx.language;
    titleLabel()->setText(language->text(QStringLiteral("Place.Title")));
    titleLabel()->adjustSize();
    labelSearch->setText(language->text(QStringLiteral("Place.Search")));
    editSearch->setPlaceholderText(language->text(QStringLiteral("Place.SearchHint")));
    labelAttribution->setText(language->text(QStringLiteral("Place.Attribution")).arg(Gazetteer::attribution()));
    labelName->setText(language->text(QStringLiteral("Place.Name")));
    labelLatitude->setText(language->text(QStringLiteral("Place.Latitude")));
    labelLongitude->setText(language->text(QStringLiteral("Place.Longitude")));
    labelTimeZone->setText(language->text(QStringLiteral("Place.TimeZone")));
    labelConvention->setText(language->text(QStringLiteral("Place.ConventionCaption")));
    buttonSave->setText(language->text(QStringLiteral("Place.Save")));
    buttonCancel->setText(language->text(QStringLiteral("Place.Cancel")));
    fillConventions();
    relayout();
}

void DialogPlace::relayout()
{
    // Captions in one column, fields in the next; the city list under the
    // search field with its attribution.
    int captionWidth = 0;
    for (QLabel *label : {labelSearch, labelName, labelLatitude, labelLongitude, labelTimeZone, labelConvention}) {
        label->adjustSize();
        captionWidth = qMax(captionWidth, label->width());
    }
    const int fieldX = Margin + captionWidth + 10;
    const int fieldWidth = DialogWidth - Margin - fieldX;
    const int rowHeight = qMax(editName->sizeHint().height(), comboConvention->sizeHint().height());
    int y = 55;
    auto row = [&](QLabel *label, QWidget *field, int width) {
        label->move(Margin, y + (rowHeight - label->height()) / 2);
        field->setGeometry(fieldX, y, width, rowHeight);
        y += rowHeight + 8;
    };
    row(labelSearch, editSearch, fieldWidth);
    listCities->setGeometry(fieldX, y - 4, fieldWidth, ListHeight);
    y += ListHeight;
    labelAttribution->adjustSize();
    labelAttribution->move(fieldX, y - 2);
    y += labelAttribution->height() + 10;
    row(labelName, editName, fieldWidth);
    row(labelLatitude, spinLatitude, 120);
    row(labelLongitude, spinLongitude, 120);
    row(labelTimeZone, editTimeZone, fieldWidth);
    row(labelConvention, comboConvention, fieldWidth);
    const int errorHeight = labelError->text().isEmpty() ? 0 : labelError->heightForWidth(DialogWidth - 2 * Margin);
    labelError->setGeometry(Margin, y, DialogWidth - 2 * Margin, errorHeight);
    y += errorHeight + 10;

    int width = ButtonWidth;
    for (XGreenButton *button : {buttonSave, buttonCancel})
        width = qMax(width, button->captionLabel()->sizeHint().width() + 24);
    buttonCancel->setGeometry(DialogWidth - Margin - width, y, width, ButtonHeight);
    buttonSave->setGeometry(buttonCancel->x() - 8 - width, y, width, ButtonHeight);
    const QSize wanted(DialogWidth, y + ButtonHeight + 20);
    if (size() != wanted)
        resize(wanted);
}
