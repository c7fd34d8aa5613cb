#include "pickableplaces.h"

#include "csvreader.h"

#include <algorithm>

namespace {
QString escapeText(const QString &text)
{
    return text.toHtmlEscaped();  // & < > "
}

QString escapeAttribute(const QString &text)
{
    QString escaped = text.toHtmlEscaped();
    escaped.replace(QLatin1Char('\''), QLatin1String("&apos;"));
    return escaped;
}
}

bool PickablePlaces::read(const QString &filePath)
{
    m_places.clear();
    m_zoneOnly.clear();
    CsvReader csv;
    if (!csv.read(filePath)) {
        m_error = csv.errorText();
        return false;
    }
    const QStringList needed = {
        QStringLiteral("name"), QStringLiteral("group"), QStringLiteral("state"),
        QStringLiteral("zone"), QStringLiteral("latitude"), QStringLiteral("longitude"),
        QStringLiteral("source"), QStringLiteral("source_url")
    };
    for (const QString &column : needed) {
        if (csv.column(column) < 0) {
            m_error = QStringLiteral("%1: no column %2").arg(filePath, column);
            return false;
        }
    }
    for (int row = 0; row < csv.rowCount(); ++row) {
        Place place;
        place.name = csv.field(row, QStringLiteral("name")).trimmed();
        place.group = csv.field(row, QStringLiteral("group")).trimmed();
        place.state = csv.field(row, QStringLiteral("state")).trimmed();
        place.zoneCode = csv.field(row, QStringLiteral("zone")).trimmed();
        place.latitude = csv.field(row, QStringLiteral("latitude")).trimmed();
        place.longitude = csv.field(row, QStringLiteral("longitude")).trimmed();
        place.source = csv.field(row, QStringLiteral("source")).trimmed();
        place.sourceUrl = csv.field(row, QStringLiteral("source_url")).trimmed();
        const QString where = QStringLiteral("%1: data row %2").arg(filePath).arg(row + 1);
        if (place.zoneCode.isEmpty() || place.group.isEmpty()) {
            m_error = where + QStringLiteral(": empty zone or group");
            return false;
        }
        if (place.group == QLatin1String("zone_only")) {
            m_zoneOnly.append(place.zoneCode);
            continue;
        }
        if (place.name.isEmpty()) {
            m_error = where + QStringLiteral(": empty name");
            return false;
        }
        bool latitudeOk = false;
        bool longitudeOk = false;
        const double latitude = place.latitude.toDouble(&latitudeOk);
        const double longitude = place.longitude.toDouble(&longitudeOk);
        if (!latitudeOk || !longitudeOk || latitude < -90 || latitude > 90
                || longitude < -180 || longitude > 180) {
            m_error = where + QStringLiteral(": bad coordinates");
            return false;
        }
        place.displayName = displayNameFor(place.name);
        m_places.append(place);
    }
    return true;
}

QString PickablePlaces::displayNameFor(const QString &name)
{
    // A long name with a parenthesised part is shown on two lines.
    const int open = name.indexOf(QLatin1String(" ("));
    if (open <= 0 || !name.endsWith(QLatin1Char(')')))
        return QString();
    return name.left(open) + QLatin1Char('\n') + name.mid(open + 1);
}

QVector<PickablePlaces::Node> PickablePlaces::buildTree(const TreeOptions &options) const
{
    // Country groups in the order they first appear, each with its states
    // (Malaysia) or its places.
    QVector<Node> countries;
    for (const Place &place : m_places) {
        if (options.excludedNames.contains(place.name))
            continue;
        auto country = std::find_if(countries.begin(), countries.end(),
                                    [&](const Node &n) { return n.label == place.group; });
        if (country == countries.end()) {
            countries.append(Node{place.group, false, {}});
            country = countries.end() - 1;
        }
        Node *parent = &*country;
        if (!place.state.isEmpty()) {
            auto state = std::find_if(country->children.begin(), country->children.end(),
                                      [&](const Node &n) { return n.label == place.state; });
            if (state == country->children.end()) {
                country->children.append(Node{place.state, false, {}});
                state = country->children.end() - 1;
            }
            parent = &*state;
        }
        parent->children.append(Node{place.name, true, {}});
    }

    // A group holding only one place of its own name is that place.
    const auto collapse = [](Node &node) {
        if (!node.item && node.children.size() == 1 && node.children.first().item
                && node.children.first().label == node.label) {
            node.item = true;
            node.children.clear();
        }
    };
    for (Node &country : countries) {
        const bool hasStates = std::any_of(country.children.cbegin(), country.children.cend(),
                                           [](const Node &n) { return !n.item; });
        for (Node &child : country.children)
            collapse(child);
        if (hasStates) {
            std::stable_sort(country.children.begin(), country.children.end(),
                             [](const Node &a, const Node &b) { return a.label < b.label; });
        } else if (options.alphabeticalGroups.contains(country.label)) {
            std::stable_sort(country.children.begin(), country.children.end(),
                             [](const Node &a, const Node &b) { return a.label < b.label; });
        }
        collapse(country);
    }
    if (!options.promptItem.isEmpty())
        countries.prepend(Node{options.promptItem, true, {}});
    return countries;
}

void PickablePlaces::writeNode(const Node &node, int level, QString &out)
{
    out += QString(level * 4, QLatin1Char(' '));
    if (node.item) {
        out += QLatin1String("<item>") + escapeText(node.label) + QLatin1String("</item>");
        return;
    }
    out += QLatin1String("<group label='") + escapeAttribute(node.label) + QLatin1String("'>");
    for (const Node &child : node.children)
        writeNode(child, level + 1, out);
    out += QLatin1String("</group>");
}

QString PickablePlaces::locationTree(const TreeOptions &options) const
{
    QString out = QStringLiteral("<?xml version='1.0' encoding='UTF-8'?><root>");
    for (const Node &node : buildTree(options))
        writeNode(node, 0, out);
    out += QLatin1String("</root>");
    return out;
}

int PickablePlaces::countItems(const QVector<Node> &nodes)
{
    int count = 0;
    for (const Node &node : nodes)
        count += node.item ? 1 : countItems(node.children);
    return count;
}

int PickablePlaces::treeItemCount(const TreeOptions &options) const
{
    return countItems(buildTree(options));
}
