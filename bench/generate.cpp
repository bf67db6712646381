// The synthetic cellar: a new dossier of plausible wines, bottle lines and
// movements, built on whatever reference data the database holds, so that
// the lists, searches and reports can be measured on a cellar of any size.
#include "generate.h"

#include "app/bootstrap.h"
#include "app/progress.h"
#include "platform/connection.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>

#include <sqlite3.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace bench {

namespace {

// The last day a purchase or an exit may carry: fixed, so that a seed gives
// the same cellar whatever the day it is run.
const QDate kLastDay(2025, 12, 31);

// mt19937 is the same everywhere; the standard distributions are not, so the
// draws are made here.
class Rng
{
public:
    explicit Rng(unsigned seed)
        : m_g(seed)
    {
    }
    // 0 <= n < count
    int below(int count) { return count <= 0 ? 0 : int((std::uint64_t(m_g()) * std::uint64_t(count)) >> 32); }
    int between(int low, int high) { return high <= low ? low : low + below(high - low + 1); }
    double unit() { return m_g() / 4294967296.0; }
    bool chance(double p) { return unit() < p; }
    double normal()
    {
        const double u1 = (m_g() + 1.0) / 4294967297.0;
        const double u2 = unit();
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(6.283185307179586 * u2);
    }
    template<class T>
    const T &pick(const std::vector<T> &v)
    {
        return v[std::size_t(below(int(v.size())))];
    }
    template<std::size_t N>
    const char *pick(const char *const (&v)[N])
    {
        return v[below(int(N))];
    }
    // Index drawn from weights (at least one positive).
    int weighted(const std::vector<double> &weights)
    {
        double total = 0;
        for (double w : weights)
            total += w;
        double r = unit() * total;
        for (std::size_t i = 0; i < weights.size(); ++i) {
            if (r < weights[i])
                return int(i);
            r -= weights[i];
        }
        return int(weights.size()) - 1;
    }

private:
    std::mt19937 m_g;
};

std::string utf8(const QString &s)
{
    return s.toStdString();
}

// ------------------------------------------------------------------ statements

class Statement
{
public:
    Statement(sqlite3 *db, const char *sql)
        : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_st, nullptr) != SQLITE_OK)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    ~Statement() { sqlite3_finalize(m_st); }
    Statement(const Statement &) = delete;
    Statement &operator=(const Statement &) = delete;

    void text(int i, const std::string &s) { sqlite3_bind_text(m_st, i, s.data(), int(s.size()), SQLITE_TRANSIENT); }
    void integer(int i, qint64 v) { sqlite3_bind_int64(m_st, i, v); }
    void integerOrNull(int i, int v) { v ? integer(i, v) : null(i); }
    void real(int i, double v) { sqlite3_bind_double(m_st, i, v); }
    void null(int i) { sqlite3_bind_null(m_st, i); }
    void blob(int i, const QByteArray &b) { sqlite3_bind_blob(m_st, i, b.constData(), int(b.size()), SQLITE_STATIC); }
    void dateOrNull(int i, const QDate &d) { d.isValid() ? text(i, isoDate(d)) : null(i); }

    // Runs the insert; returns the new row's id.
    qint64 insert()
    {
        const int rc = sqlite3_step(m_st);
        sqlite3_reset(m_st);
        sqlite3_clear_bindings(m_st);
        if (rc != SQLITE_DONE)
            throw DbError(QString::fromUtf8(sqlite3_errmsg(m_db)));
        return sqlite3_last_insert_rowid(m_db);
    }

    static std::string isoDate(const QDate &d)
    {
        char buffer[16];
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d", d.year(), d.month(), d.day());
        return buffer;
    }

private:
    sqlite3 *m_db;
    sqlite3_stmt *m_st = nullptr;
};

// ------------------------------------------------------------------ reference data

struct Country {
    qint64 id;
    std::string title;
    std::string codePrefix;
};

struct Region {
    qint64 id;
    int country;
    std::string title;
    std::string codePrefix;
};

struct Appellation {
    qint64 id;
    int region;
    qint64 colorId;
    std::string title;
};

struct Named {
    qint64 id;
    std::string title;
};

struct Format {
    std::string title;
    double litres; // 0 when the title gives no volume
};

struct Reference {
    std::vector<Country> countries;
    std::vector<Region> regions;
    std::vector<Appellation> appellations;
    std::vector<Named> colours;
    std::vector<Named> producers;
    std::vector<Named> suppliers;
    std::vector<std::string> categories, grapes, classes, foods;
    std::vector<Format> formats;
    std::vector<std::string> places, leafPlaces;
    std::vector<std::string> events, appreciations;
};

// Two capital letters for wine codes ("Bordeaux" gives "BO").
std::string codePrefix(const QString &title)
{
    QString letters;
    for (QChar c : title.normalized(QString::NormalizationForm_D))
        if (c.isLetter() && c.unicode() < 128)
            letters += c.toUpper();
    while (letters.size() < 2)
        letters += u'X';
    return utf8(letters.left(2));
}

double litresOf(const QString &format)
{
    static const QRegularExpression volume(QStringLiteral(R"(\(\s*([0-9]+(?:[.,][0-9]+)?)\s*(cl|l)\s*\))"),
                                           QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch m = volume.match(format);
    if (!m.hasMatch())
        return 0;
    double v = QString(m.captured(1)).replace(u',', u'.').toDouble();
    return m.captured(2).compare(u"cl", Qt::CaseInsensitive) == 0 ? v / 100.0 : v;
}

QStringList listEntries(const QVariant &memo)
{
    QStringList out;
    for (QString line : memo.toString().split(u'\n')) {
        line = line.trimmed();
        if (!line.isEmpty())
            out << line;
    }
    return out;
}

Reference readReference(const Connection &c)
{
    Reference r;
    ResultSet rs = c.select(QStringLiteral("SELECT Id, Title FROM WINE_COUNTRY ORDER BY Id"));
    for (int i = 0; i < rs.rowCount(); ++i) {
        const QString title = rs.at(i, 1).toString();
        r.countries.push_back({rs.at(i, 0).toLongLong(), utf8(title), codePrefix(title)});
    }
    const auto countryIndex = [&](qint64 id) {
        for (std::size_t i = 0; i < r.countries.size(); ++i)
            if (r.countries[i].id == id)
                return int(i);
        return -1;
    };
    rs = c.select(QStringLiteral("SELECT Id, Id_Country, Title FROM WINE_REGION ORDER BY Id"));
    for (int i = 0; i < rs.rowCount(); ++i) {
        const int country = countryIndex(rs.at(i, 1).toLongLong());
        const QString title = rs.at(i, 2).toString();
        r.regions.push_back({rs.at(i, 0).toLongLong(), country, utf8(title), codePrefix(title)});
    }
    const auto regionIndex = [&](qint64 id) {
        for (std::size_t i = 0; i < r.regions.size(); ++i)
            if (r.regions[i].id == id)
                return int(i);
        return -1;
    };
    rs = c.select(QStringLiteral("SELECT Id, Id_Region, Id_Color, Title FROM WINE_APPELLATION ORDER BY Id"));
    for (int i = 0; i < rs.rowCount(); ++i) {
        const int region = regionIndex(rs.at(i, 1).toLongLong());
        const QVariant colour = rs.at(i, 2);
        r.appellations.push_back(
            {rs.at(i, 0).toLongLong(), region, colour.isNull() ? -1 : colour.toLongLong(), utf8(rs.at(i, 3).toString())});
    }

    rs = c.select(QStringLiteral("SELECT Id, Title FROM WINE_COLOR ORDER BY Id"));
    for (int i = 0; i < rs.rowCount(); ++i)
        r.colours.push_back({rs.at(i, 0).toLongLong(), utf8(rs.at(i, 1).toString())});

    rs = c.select(QStringLiteral("SELECT Id, CoType, Title FROM COMPAGNY WHERE CoType IN (1, 2) ORDER BY Id"));
    for (int i = 0; i < rs.rowCount(); ++i)
        (rs.at(i, 1).toInt() == 2 ? r.producers : r.suppliers)
            .push_back({rs.at(i, 0).toLongLong(), utf8(rs.at(i, 2).toString())});

    // The characteristics tree: each branch (level 0) is followed by its values.
    rs = c.select(QStringLiteral("SELECT NodeTitle, NodeLevel FROM TREE_MISC ORDER BY NodePos, Id"));
    std::vector<std::string> *branch = nullptr;
    bool formats = false;
    for (int i = 0; i < rs.rowCount(); ++i) {
        const QString title = rs.at(i, 0).toString();
        if (rs.at(i, 1).toInt() == 0) {
            formats = title == u"Format";
            branch = title == u"Catégorie"            ? &r.categories
                     : title == u"Cépage"             ? &r.grapes
                     : title == u"Classement"         ? &r.classes
                     : title == u"Alliance mets-vins" ? &r.foods
                                                      : nullptr;
            continue;
        }
        if (title.isEmpty())
            continue;
        if (formats)
            r.formats.push_back({utf8(title), litresOf(title)});
        else if (branch)
            branch->push_back(utf8(title));
    }

    // Location paths: the titles below "Localisations", joined by "/".
    rs = c.select(QStringLiteral("SELECT NodeTitle, NodeLevel FROM TREE_LOCATION ORDER BY NodePos, Id"));
    std::vector<QString> stack;
    std::vector<std::string> paths;
    std::vector<int> levels;
    for (int i = 0; i < rs.rowCount(); ++i) {
        const int level = std::max(0, rs.at(i, 1).toInt());
        stack.resize(std::size_t(level));
        stack.push_back(rs.at(i, 0).toString());
        if (level == 0 || stack.front() != u"Localisations")
            continue;
        QStringList parts;
        for (std::size_t k = 1; k < stack.size(); ++k)
            parts << stack[k];
        paths.push_back(utf8(parts.join(u'/')));
        levels.push_back(level);
    }
    for (std::size_t i = 0; i < paths.size(); ++i) {
        r.places.push_back(paths[i]);
        if (i + 1 == paths.size() || levels[i + 1] <= levels[i])
            r.leafPlaces.push_back(paths[i]);
    }

    // The first row of the value lists serves every dossier.
    rs = c.select(QStringLiteral("SELECT Event, Appreciation FROM COMBOITEMS ORDER BY Id"));
    if (rs.rowCount() > 0) {
        for (const QString &e : listEntries(rs.at(0, 0)))
            r.events.push_back(utf8(e));
        for (const QString &a : listEntries(rs.at(0, 1)))
            r.appreciations.push_back(utf8(a));
    }
    return r;
}

// ------------------------------------------------------------------ kinds of wine

enum class Kind { Still, Sparkling, Sweet, Fortified, Spirit, Cider };

Kind kindOf(const std::string &category)
{
    static const char *const sparkling[] = {"Vin effervescent", "Champagne", "Crémant"};
    static const char *const sweet[] = {"Vin moelleux", "Vin liquoreux"};
    static const char *const fortified[] = {"Vin doux naturel", "Vin de liqueur", "Vin de voile", "Porto", "Xérès"};
    static const char *const spirits[] = {"Whisky", "Cognac", "Armagnac", "Calvados", "Rhum",
                                          "Eau-de-vie", "Gin", "Vodka", "Liqueur"};
    const auto in = [&](const auto &list) {
        return std::any_of(std::begin(list), std::end(list), [&](const char *t) { return category == t; });
    };
    if (in(sparkling))
        return Kind::Sparkling;
    if (in(sweet))
        return Kind::Sweet;
    if (in(fortified))
        return Kind::Fortified;
    if (in(spirits))
        return Kind::Spirit;
    if (category == "Cidre")
        return Kind::Cider;
    return Kind::Still;
}

// A cellar holds mostly still wines: weights of the usual category titles,
// any other title being rare.
double categoryWeight(const std::string &category)
{
    static const std::pair<const char *, double> weights[] = {
        {"Vin tranquille", 140}, {"Champagne", 9}, {"Vin effervescent", 5}, {"Crémant", 5}, {"Vin moelleux", 5},
        {"Vin liquoreux", 5},    {"Vin doux naturel", 3}, {"Porto", 2}, {"Cognac", 2}, {"Whisky", 2},
        {"Armagnac", 1.5},       {"Rhum", 1.5}};
    for (const auto &[title, w] : weights)
        if (category == title)
            return w;
    return 0.6;
}

// Colours by kind, by title; a title the database lacks is skipped.
std::vector<std::pair<const char *, double>> colourWeights(Kind kind, const std::string &category)
{
    switch (kind) {
    case Kind::Still:
        return {{"Rouge", 55}, {"Blanc", 30}, {"Rosé", 13}, {"Orange", 1}, {"Jaune", 1}};
    case Kind::Sparkling:
        return {{"Blanc", 80}, {"Rosé", 20}};
    case Kind::Sweet:
        return {{"Doré", 55}, {"Blanc", 45}};
    case Kind::Fortified:
        if (category == "Vin de voile")
            return {{"Jaune", 1}};
        return {{"Ambré", 35}, {"Rouge", 35}, {"Doré", 20}, {"Jaune", 10}};
    case Kind::Spirit:
        if (category == "Gin" || category == "Vodka" || category == "Eau-de-vie")
            return {{"Incolore", 1}};
        if (category == "Rhum")
            return {{"Ambré", 70}, {"Incolore", 30}};
        if (category == "Liqueur")
            return {{"Ambré", 40}, {"Incolore", 30}, {"Orange", 15}, {"Rouge", 15}};
        return {{"Ambré", 1}};
    case Kind::Cider:
        return {{"Doré", 60}, {"Jaune", 40}};
    }
    return {};
}

bool isWhiteGrape(const std::string &grape)
{
    static const char *const white[] = {
        "Chardonnay", "Sauvignon blanc", "Sémillon", "Muscadelle", "Chenin blanc", "Melon de Bourgogne", "Aligoté",
        "Riesling", "Gewurztraminer", "Pinot gris", "Pinot blanc", "Sylvaner", "Muscat", "Viognier", "Marsanne",
        "Roussanne", "Grenache blanc", "Vermentino (Rolle)", "Savagnin", "Jacquère", "Petit Manseng",
        "Gros Manseng", "Mauzac", "Ugni blanc", "Colombard", "Grüner Veltliner", "Albariño"};
    return std::any_of(std::begin(white), std::end(white), [&](const char *t) { return grape == t; });
}

bool isSpiritClass(const std::string &c)
{
    return c == "VS" || c == "VSOP" || c == "XO" || c == "Hors d'âge";
}

bool isForeignClass(const std::string &c)
{
    return c == "DOC" || c == "DOCG" || c == "DOCa" || c == "Prädikatswein";
}

// Where a category comes from, beyond the appellations and regions named
// after it (Champagne, Cognac, Crémant d'Alsace...): titles of appellations,
// regions or countries. Titles the database lacks are ignored.
std::vector<const char *> origins(const std::string &category)
{
    static const std::pair<const char *, std::vector<const char *>> table[] = {
        {"Vin effervescent", {"Cava", "Prosecco", "Blanquette de Limoux", "Clairette de Die", "Vouvray"}},
        {"Vin liquoreux", {"Sauternes", "Barsac", "Loupiac", "Tokaji", "Bonnezeaux", "Quarts de Chaume"}},
        {"Vin moelleux", {"Monbazillac", "Saussignac", "Jurançon", "Coteaux du Layon", "Pacherenc du Vic-Bilh"}},
        {"Vin doux naturel",
         {"Banyuls", "Maury", "Rivesaltes", "Muscat de Rivesaltes", "Muscat de Frontignan",
          "Muscat de Beaumes-de-Venise", "Muscat du Cap Corse", "Rasteau"}},
        {"Vin de liqueur", {"Pineau des Charentes", "Floc de Gascogne", "Pommeau de Normandie", "Macvin du Jura",
                            "Madère", "Marsala"}},
        {"Vin de voile", {"Château-Chalon", "L'Étoile"}},
        {"Xérès", {"Jerez-Xérès-Sherry", "Manzanilla-Sanlúcar de Barrameda"}},
        {"Cidre", {"Pays d'Auge"}},
        {"Eau-de-vie", {"Blanche Armagnac"}},
        {"Rhum", {"Martinique"}},
        {"Whisky", {"Écosse", "Irlande", "Japon"}},
    };
    for (const auto &[title, list] : table)
        if (category == title)
            return list;
    return {};
}

// "Cognac Fine Champagne" and "Armagnac-Ténarèze" are named after their
// category; "Bas-Armagnac" is not.
bool namedAfter(const std::string &title, const std::string &category)
{
    if (category.empty() || title.compare(0, category.size(), category) != 0)
        return false;
    return title.size() == category.size() || title[category.size()] == ' ' || title[category.size()] == '-';
}

double frenchClassWeight(const std::string &c)
{
    if (c == "AOP")
        return 40;
    if (c == "AOC")
        return 25;
    if (c == "IGP")
        return 10;
    if (c == "Vin de France")
        return 6;
    return 1;
}

// The wine classes in use in a country.
std::vector<const char *> foreignClasses(const std::string &country)
{
    if (country == "Italie")
        return {"DOC", "DOCG"};
    if (country == "Espagne")
        return {"DOC", "DOCa"};
    if (country == "Portugal")
        return {"DOC"};
    if (country == "Allemagne" || country == "Autriche")
        return {"Prädikatswein"};
    return {};
}

double formatWeight(Kind kind, const std::string &title, double litres)
{
    const auto near = [&](double v) { return std::abs(litres - v) < 0.001; };
    if (kind == Kind::Spirit) {
        if (near(0.7))
            return 85;
        if (near(1.0))
            return 6;
        if (near(0.5))
            return 5;
        return near(0.2) || near(0.35) ? 2 : 0;
    }
    if (kind == Kind::Fortified && title.find("Clavelin") != std::string::npos)
        return 20;
    if (near(0.75))
        return 84;
    if (near(1.5))
        return 6;
    if (near(0.375))
        return kind == Kind::Sweet ? 30 : 5;
    if (near(0.5))
        return kind == Kind::Sweet || kind == Kind::Fortified ? 10 : 1;
    if (near(3.0))
        return 1;
    return litres > 3.0 ? 0.15 : 0.3;
}

// ------------------------------------------------------------------ names

const char *const kStarts[] = {"Bel", "Beau", "Mont", "Val", "Roc", "Pey", "Lar", "Cam", "Font", "Mira",
                               "Sauve", "Tour", "Cler", "Mar", "Bour", "Cha", "Ver", "Bra", "Gal", "Lan",
                               "Cour", "Ros", "Mal", "Ter", "Vil", "Bois", "Gra", "Pon", "Cas", "Mer"};
const char *const kMiddles[] = {"", "", "", "a", "e", "i", "o", "ou", "an", "er", "il", "es"};
const char *const kEnds[] = {"lais", "mont", "val", "brune", "ville", "gnac", "zac", "rac", "lieu", "sac",
                             "roque", "nelle", "serre", "guet", "ret", "chet", "ton", "vent", "rive", "combe",
                             "las", "rens", "gues", "let", "card", "bert", "dieu", "lande", "court", "mas"};
const char *const kSaints[] = {"Martin", "Jean", "Pierre", "Vincent", "Julien", "Georges", "Laurent",
                               "Hilaire", "Roch", "Germain", "Sauveur", "Aubin", "Didier", "Félix"};
const char *const kPlaces[] = {"de la Combe", "des Cailloux", "du Moulin", "de la Tour", "des Genêts",
                               "du Prieuré", "de l'Abbaye", "des Vignes Hautes", "du Vieux Chêne",
                               "de la Source", "des Terres Rouges", "du Coteau", "de la Garenne",
                               "des Oliviers", "de Bellevue", "des Sablons", "du Puits", "de la Chapelle",
                               "des Amandiers", "du Grand Pré", "des Trois Croix", "de la Butte",
                               "des Perrières", "du Pigeonnier", "de la Fontaine", "des Lauzes"};
const char *const kLieux[] = {"La Croix", "La Tour", "La Garde", "Les Ormes", "La Rose", "Le Prieuré",
                              "Les Charmes", "La Closerie", "Le Moulin", "La Gravière", "Les Tuileries",
                              "La Fleur", "Le Tertre", "La Commanderie", "Les Justices", "La Bastide"};
const char *const kCuvees[] = {"Prestige", "Tradition", "Vieilles Vignes", "Élégance", "Réserve",
                               "Grande Réserve", "des Vignerons", "du Patron", "Héritage", "Les Galets",
                               "Sélection", "Fût de chêne", "Les Terrasses", "Intuition", "Tête de cuvée",
                               "Louise", "Marguerite", "Clément", "Émilie", "des Silex", "Les Schistes"};
const char *const kSuffixes[] = {" Vieilles Vignes", " Réserve", " Cuvée Prestige", " Grande Réserve",
                                 " Les Terrasses", " Élevé en fût", " Sélection parcellaire", " Tradition"};
const char *const kSpiritStyles[] = {"Fine", "Réserve", "Vieille Réserve", "Hors d'âge", "12 ans d'âge",
                                     "15 ans d'âge", "Single malt", "Tourbé", "Blanc", "Ambré", "Brut de fût"};

std::string placeName(Rng &rng)
{
    std::string s = rng.pick(kStarts);
    s += rng.pick(kMiddles);
    s += rng.pick(kEnds);
    return s;
}

std::string estate(Rng &rng)
{
    const int r = rng.below(100);
    if (r < 45)
        return placeName(rng);
    if (r < 60)
        return "Haut-" + placeName(rng);
    if (r < 72)
        return placeName(rng) + "-" + placeName(rng);
    if (r < 80)
        return std::string("Saint-") + rng.pick(kSaints);
    if (r < 93)
        return rng.pick(kLieux);
    return std::string(rng.pick(kLieux)) + " " + placeName(rng);
}

std::string wineTitle(Rng &rng, Kind kind, const std::string &category, const Appellation *appellation)
{
    if (kind == Kind::Spirit)
        return category + " " + rng.pick(kSpiritStyles) + (rng.chance(0.5) ? " " + placeName(rng) : std::string());
    std::string t;
    const int r = rng.below(100);
    if (r < 28)
        t = "Château " + estate(rng);
    else if (r < 52)
        t = "Domaine " + (rng.chance(0.5) ? "de " + placeName(rng) : std::string(rng.pick(kPlaces)));
    else if (r < 60)
        t = "Clos " + (rng.chance(0.4) ? std::string("Saint-") + rng.pick(kSaints)
                                       : rng.chance(0.5) ? std::string(rng.pick(kPlaces)) : placeName(rng));
    else if (r < 70)
        t = std::string("Cuvée ") + rng.pick(kCuvees);
    else if (r < 75)
        t = "Mas " + (rng.chance(0.5) ? "de " + placeName(rng) : std::string(rng.pick(kPlaces)));
    else if (r < 80)
        t = "Maison " + placeName(rng);
    else if (r < 85)
        t = rng.chance(0.5) ? "Les Hauts de " + placeName(rng) : std::string("Prieuré Saint-") + rng.pick(kSaints);
    else if (appellation)
        t = appellation->title + (rng.chance(0.5) ? std::string(" Cuvée ") + rng.pick(kCuvees) : " " + placeName(rng));
    else
        t = "Domaine " + estate(rng);
    if ((r < 60 || (r >= 70 && r < 80)) && rng.chance(0.25))
        t += rng.pick(kSuffixes);
    return t;
}

const char *const kRemarks[] = {
    "À carafer une heure avant le service.", "Belle garde : attendre encore quelques années.",
    "Acheté lors d'une visite au domaine.", "Très bon rapport qualité-prix.", "Élevage en fûts de chêne.",
    "Vin nature, sans sulfites ajoutés.", "À boire bien frais.", "Cadeau d'un ami.", "Millésime remarquable.",
    "Bouchons à surveiller.", "Vignes en coteaux, vendanges manuelles.", "Conseillé par le caviste.",
    "Agriculture biologique.", "Un peu fermé à l'ouverture, s'ouvre à l'aération."};
const char *const kGuests[] = {"Anne", "Sophie et Marc", "Les voisins", "Toute la famille", "Huit amis",
                               "Paul et Julie", "Collègues de bureau", "Les beaux-parents", "Claire",
                               "Le club de dégustation", "Thomas", "Les cousins"};
const char *const kDishes[] = {"Côte de bœuf", "Plateau de fromages", "Poulet rôti", "Huîtres",
                               "Magret de canard", "Tarte aux pommes", "Risotto aux cèpes", "Blanquette de veau",
                               "Saumon fumé", "Fondue savoyarde", "Gigot d'agneau", "Choucroute",
                               "Sole meunière", "Civet de lièvre", "Fraisier"};

// ------------------------------------------------------------------ pictures

// A label-like picture with a grain that JPEG cannot squeeze much.
QImage labelPicture(Rng &rng, int width, int height, int noise)
{
    QImage image(width, height, QImage::Format_RGB888);
    const int hue = rng.below(360);
    const QColor top = QColor::fromHsv(hue, 120 + rng.below(100), 90 + rng.below(80));
    const QColor bottom = QColor::fromHsv((hue + 40) % 360, 160, 40 + rng.below(60));
    const int labelTop = height / 3, labelBottom = height * 3 / 4;
    const int margin = width / 8;
    for (int y = 0; y < height; ++y) {
        uchar *line = image.scanLine(y);
        const double f = double(y) / height;
        int base[3] = {int(top.red() * (1 - f) + bottom.red() * f), int(top.green() * (1 - f) + bottom.green() * f),
                       int(top.blue() * (1 - f) + bottom.blue() * f)};
        const bool band = y >= labelTop && y < labelBottom;
        const bool stripe = band && ((y - labelTop) / 24) % 3 == 1;
        for (int x = 0; x < width; ++x) {
            const bool onLabel = band && x >= margin && x < width - margin;
            for (int k = 0; k < 3; ++k) {
                int v = onLabel ? (stripe ? 60 + 40 * k : 235 - 10 * k) : base[k];
                v += rng.below(2 * noise + 1) - noise;
                line[3 * x + k] = uchar(std::clamp(v, 0, 255));
            }
        }
    }
    return image;
}

QByteArray jpegBytes(const QImage &image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", quality);
    return bytes;
}

// The thumbnail the wine editor stores: the picture fitted into the box,
// centred on white, as a 24-bit bitmap.
QByteArray thumbnail(const QImage &picture, int box)
{
    const QImage fitted = picture.scaled(box, box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QImage canvas(box, box, QImage::Format_RGB888);
    canvas.fill(Qt::white);
    const int left = (box - fitted.width()) / 2, top = (box - fitted.height()) / 2;
    for (int y = 0; y < fitted.height(); ++y)
        std::copy_n(fitted.constScanLine(y), fitted.width() * 3, canvas.scanLine(y + top) + left * 3);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    canvas.save(&buffer, "BMP");
    return bytes;
}

struct Picture {
    QByteArray jpeg, mini1, mini2;
};

// A few distinct pictures, reused round the wines: encoding one per wine
// would make the generator as slow as the thing being measured.
std::vector<Picture> makePictures(unsigned seed, int wanted)
{
    std::vector<Picture> out;
    if (wanted <= 0)
        return out;
    Rng rng(seed ^ 0x9e3779b9u);
    const int width = 600, height = 800, noise = 28;
    const int target = 200 * 1024;
    // One quality for all, found on the first picture.
    const QImage first = labelPicture(rng, width, height, noise);
    int low = 10, high = 95, quality = 75;
    QByteArray best;
    while (low <= high) {
        const int q = (low + high) / 2;
        QByteArray bytes = jpegBytes(first, q);
        if (best.isEmpty() || std::abs(bytes.size() - target) < std::abs(best.size() - target)) {
            best = bytes;
            quality = q;
        }
        if (bytes.size() < target)
            low = q + 1;
        else
            high = q - 1;
    }
    const int count = std::min(wanted, 12);
    for (int i = 0; i < count; ++i) {
        const QImage image = i == 0 ? first : labelPicture(rng, width, height, noise);
        out.push_back({i == 0 ? best : jpegBytes(image, quality), thumbnail(image, 150), thumbnail(image, 65)});
    }
    return out;
}

// ------------------------------------------------------------------ the cellar

double roundTo(double v, double step)
{
    return std::round(v / step) * step;
}

QDate randomDay(Rng &rng, const QDate &from, const QDate &to)
{
    if (to <= from)
        return from;
    return from.addDays(rng.below(int(from.daysTo(to)) + 1));
}

struct Stats {
    qint64 wines = 0, lines = 0, bottles = 0, movements = 0;
};

class Generator
{
public:
    Generator(sqlite3 *db, const Reference &ref, const GenerateOptions &o, qint64 dossier,
              const std::vector<Picture> &pictures)
        : m_ref(ref)
        , m_o(o)
        , m_dossier(dossier)
        , m_pictures(pictures)
        , m_rng(o.seed)
        , m_wine(db, "INSERT INTO WINE (Id_File, Id_Producer, Id_Country, Id_Region, Id_Appellation, Title, Code, "
                     "Cepage, Color, Classification, Category, CellarTemperature, ServeTemperature, Remark1, Remark2, "
                     "Misc11, Misc12, AlarmStock, PurchaseStock, Rate, Alcohol, Food, ImgMini1, ImgMini2) "
                     "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, '', '', '', ?15, ?16, ?17, "
                     "?18, ?19, ?20, ?21)")
        , m_bottle(db, "INSERT INTO BOTTLE (Id_File, Id_PurchaseCompagny, Id_Wine, Vintage, DrinkYearBegin, "
                       "DrinkYearEnd, BestYearBegin, BestYearEnd, Format, Quantity, \"Exit\", PurchaseDate, "
                       "PurchasePrice, PurchaseValue, Location, Remark1, Remark2) "
                       "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, NULL, ?11, ?12, ?13, ?14, '', '')")
        , m_historic(db, "INSERT INTO HISTORIC (Id_File, Id_Wine, Id_Bottle, ActionType, ActionDate, Quantity, "
                         "Vintage, Format, PurchaseDate, PurchaseCompagny, PurchasePrice, PurchaseValue, Event, "
                         "Appreciation, Guest, Dish, Remark) "
                         "VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9, ?10, ?11, ?12, ?13, ?14, ?15, ?16, '')")
    {
        for (const std::string &c : m_ref.categories)
            m_categoryWeights.push_back(categoryWeight(c));
        for (std::size_t i = 0; i < m_ref.grapes.size(); ++i)
            (isWhiteGrape(m_ref.grapes[i]) ? m_whiteGrapes : m_redGrapes).push_back(m_ref.grapes[i]);
        for (const std::string &c : m_ref.classes) {
            if (isSpiritClass(c)) {
                m_spiritClasses.push_back(c);
            } else if (!isForeignClass(c)) {
                m_frenchClasses.push_back(c);
                m_frenchClassWeights.push_back(frenchClassWeight(c));
            }
        }
        tieCategories();
    }

    std::vector<qint64> run()
    {
        std::vector<qint64> ids;
        ids.reserve(std::size_t(std::max(0, m_o.wines)));
        for (int i = 0; i < m_o.wines; ++i)
            ids.push_back(addWine(i));
        return ids;
    }

    Stats stats;

private:
    struct Geo {
        qint64 country = -1, region = -1, appellation = -1;
        const Appellation *app = nullptr;
        const Country *countryRow = nullptr;
        std::string prefix = "VN";
    };

    // The places each category is tied to, and what is left for the others:
    // a Champagne comes from Champagne, and nothing else does.
    struct Origin {
        std::vector<int> appellations, regions, countries;
        bool any() const { return !appellations.empty() || !regions.empty() || !countries.empty(); }
    };

    void tieCategories()
    {
        const std::size_t na = m_ref.appellations.size(), nr = m_ref.regions.size(), nc = m_ref.countries.size();
        std::vector<int> appOwner(na, -1), regionOwner(nr, -1), countryOwner(nc, -1);
        m_origins.assign(m_ref.categories.size(), {});
        const auto usable = [&](int a) {
            const int region = m_ref.appellations[std::size_t(a)].region;
            return region >= 0 && m_ref.regions[std::size_t(region)].country >= 0;
        };
        // Appellations first, by name or by the table; then whole regions and
        // countries, whose appellations not already taken go with them.
        for (std::size_t c = 0; c < m_ref.categories.size(); ++c) {
            const std::string &category = m_ref.categories[c];
            const std::vector<const char *> hints = origins(category);
            for (std::size_t a = 0; a < na; ++a) {
                const std::string &t = m_ref.appellations[a].title;
                const bool hinted = std::any_of(hints.begin(), hints.end(), [&](const char *h) { return t == h; });
                if (appOwner[a] < 0 && usable(int(a)) && (namedAfter(t, category) || hinted))
                    appOwner[a] = int(c);
            }
        }
        for (std::size_t c = 0; c < m_ref.categories.size(); ++c) {
            const std::string &category = m_ref.categories[c];
            const std::vector<const char *> hints = origins(category);
            const auto wanted = [&](const std::string &t) {
                return t == category || std::any_of(hints.begin(), hints.end(), [&](const char *h) { return t == h; });
            };
            for (std::size_t k = 0; k < nc; ++k)
                if (countryOwner[k] < 0 && wanted(m_ref.countries[k].title))
                    countryOwner[k] = int(c);
            for (std::size_t r = 0; r < nr; ++r) {
                const int country = m_ref.regions[r].country;
                if (regionOwner[r] < 0 && country >= 0
                    && (wanted(m_ref.regions[r].title) || countryOwner[std::size_t(country)] == int(c)))
                    regionOwner[r] = int(c);
            }
        }
        for (std::size_t a = 0; a < na; ++a) {
            const int region = m_ref.appellations[a].region;
            if (appOwner[a] < 0 && usable(int(a)) && regionOwner[std::size_t(region)] >= 0)
                appOwner[a] = regionOwner[std::size_t(region)];
        }
        for (std::size_t a = 0; a < na; ++a)
            if (usable(int(a)))
                (appOwner[a] >= 0 ? m_origins[std::size_t(appOwner[a])].appellations : m_freeAppellations)
                    .push_back(int(a));
        // A region whose appellations all went to a category (Normandie,
        // Andalousie) is left to those categories.
        std::vector<int> appellations(nr, 0), freeAppellations(nr, 0);
        for (std::size_t a = 0; a < na; ++a)
            if (usable(int(a))) {
                const std::size_t region = std::size_t(m_ref.appellations[a].region);
                ++appellations[region];
                freeAppellations[region] += appOwner[a] < 0;
            }
        for (std::size_t r = 0; r < nr; ++r) {
            if (m_ref.regions[r].country < 0)
                continue;
            if (regionOwner[r] >= 0)
                m_origins[std::size_t(regionOwner[r])].regions.push_back(int(r));
            else if (appellations[r] == 0 || freeAppellations[r] > 0)
                m_freeRegions.push_back(int(r));
        }
        for (std::size_t k = 0; k < nc; ++k)
            (countryOwner[k] >= 0 ? m_origins[std::size_t(countryOwner[k])].countries : m_freeCountries)
                .push_back(int(k));
    }

    Geo geography(int category, Kind kind)
    {
        Geo g;
        const Origin *origin = category >= 0 && m_origins[std::size_t(category)].any()
                                   ? &m_origins[std::size_t(category)]
                                   : nullptr;
        const std::vector<int> &apps = origin ? origin->appellations : m_freeAppellations;
        const std::vector<int> &regions = origin ? origin->regions : m_freeRegions;
        const std::vector<int> &countries = origin ? origin->countries : m_freeCountries;
        const int r = m_rng.below(100);
        const bool appellationWanted = kind != Kind::Spirit || origin;
        if (appellationWanted && !apps.empty() && (r < 85 || regions.empty())) {
            const Appellation &a = m_ref.appellations[std::size_t(m_rng.pick(apps))];
            g.app = &a;
            g.appellation = a.id;
            setRegion(g, a.region);
        } else if (!regions.empty() && (r < 95 || countries.empty())) {
            setRegion(g, m_rng.pick(regions));
        } else if (!countries.empty()) {
            const Country &c = m_ref.countries[std::size_t(m_rng.pick(countries))];
            g.country = c.id;
            g.countryRow = &c;
            g.prefix = c.codePrefix;
        }
        return g;
    }

    void setRegion(Geo &g, int regionIndex)
    {
        const Region &region = m_ref.regions[std::size_t(regionIndex)];
        const Country &country = m_ref.countries[std::size_t(region.country)];
        g.region = region.id;
        g.country = country.id;
        g.countryRow = &country;
        g.prefix = region.codePrefix;
    }

    std::string colourFor(Kind kind, const std::string &category, const Geo &g)
    {
        if (m_ref.colours.empty())
            return {};
        if (g.app && g.app->colorId > 0)
            for (const Named &c : m_ref.colours)
                if (c.id == g.app->colorId)
                    return c.title;
        // Rosé d'Anjou, Rosé des Riceys
        if (g.app && g.app->title.find("Rosé") != std::string::npos)
            for (const Named &c : m_ref.colours)
                if (c.title == "Rosé")
                    return c.title;
        std::vector<const std::string *> titles;
        std::vector<double> weights;
        for (const auto &[title, w] : colourWeights(kind, category))
            for (const Named &c : m_ref.colours)
                if (c.title == title) {
                    titles.push_back(&c.title);
                    weights.push_back(w);
                }
        if (titles.empty())
            return m_rng.pick(m_ref.colours).title;
        return *titles[std::size_t(m_rng.weighted(weights))];
    }

    std::string grapeFor(Kind kind, const std::string &colour)
    {
        if (m_ref.grapes.empty() || kind == Kind::Spirit || kind == Kind::Cider || m_rng.chance(0.08))
            return {};
        const bool white = colour == "Blanc" || colour == "Doré" || colour == "Jaune" || colour == "Orange";
        const bool red = colour == "Rouge" || colour == "Rosé";
        const std::vector<std::string> &pool = white && !m_whiteGrapes.empty() ? m_whiteGrapes
                                               : red && !m_redGrapes.empty()   ? m_redGrapes
                                                                               : m_ref.grapes;
        return m_rng.pick(pool);
    }

    std::string classFor(Kind kind, const std::string &category, const Geo &g)
    {
        if (kind == Kind::Spirit) {
            const bool graded = category == "Cognac" || category == "Armagnac" || category == "Calvados"
                                || category == "Rhum";
            return graded && !m_spiritClasses.empty() && m_rng.chance(0.7) ? m_rng.pick(m_spiritClasses)
                                                                           : std::string();
        }
        if (g.countryRow && g.countryRow->title != "France") {
            std::vector<std::string> pool;
            for (const char *c : foreignClasses(g.countryRow->title))
                if (std::find(m_ref.classes.begin(), m_ref.classes.end(), c) != m_ref.classes.end())
                    pool.push_back(c);
            return !pool.empty() && m_rng.chance(0.5) ? m_rng.pick(pool) : std::string();
        }
        return !m_frenchClasses.empty() && m_rng.chance(0.6)
                   ? m_frenchClasses[std::size_t(m_rng.weighted(m_frenchClassWeights))]
                   : std::string();
    }

    std::string foodFor(Kind kind)
    {
        if (m_ref.foods.empty() || m_rng.chance(0.15))
            return {};
        const int n = kind == Kind::Spirit ? 1 : m_rng.between(1, 3);
        std::vector<int> chosen;
        while (int(chosen.size()) < std::min(n, int(m_ref.foods.size()))) {
            const int f = m_rng.below(int(m_ref.foods.size()));
            if (std::find(chosen.begin(), chosen.end(), f) == chosen.end())
                chosen.push_back(f);
        }
        std::string out;
        for (int f : chosen) {
            if (!out.empty())
                out += ", ";
            out += m_ref.foods[std::size_t(f)];
        }
        return out;
    }

    qint64 addWine(int index)
    {
        const int categoryIndex = m_ref.categories.empty() ? -1 : m_rng.weighted(m_categoryWeights);
        const std::string category = categoryIndex < 0 ? std::string() : m_ref.categories[std::size_t(categoryIndex)];
        const Kind kind = kindOf(category);
        const Geo g = geography(categoryIndex, kind);
        const std::string colour = colourFor(kind, category, g);
        const std::string grape = grapeFor(kind, colour);
        const std::string classification = classFor(kind, category, g);
        const std::string title = wineTitle(m_rng, kind, category, g.app);
        const qint64 producer = !m_ref.producers.empty() && m_rng.chance(0.8) ? m_rng.pick(m_ref.producers).id : -1;

        double cellar, serve, alcohol;
        switch (kind) {
        case Kind::Spirit:
            cellar = m_rng.between(15, 18);
            serve = m_rng.between(16, 20);
            alcohol = category == "Liqueur" ? m_rng.between(18, 35) : 40 + m_rng.below(13) * 0.5;
            break;
        case Kind::Cider:
            cellar = m_rng.between(10, 12);
            serve = m_rng.between(6, 9);
            alcohol = 4.5 + m_rng.below(5) * 0.5;
            break;
        case Kind::Fortified:
            cellar = m_rng.between(12, 15);
            serve = m_rng.between(10, 16);
            alcohol = 15 + m_rng.below(11) * 0.5;
            break;
        case Kind::Sparkling:
            cellar = m_rng.between(10, 12);
            serve = m_rng.between(6, 9);
            alcohol = 11.5 + m_rng.below(3) * 0.5;
            break;
        case Kind::Sweet:
            cellar = m_rng.between(11, 13);
            serve = m_rng.between(6, 9);
            alcohol = 12.5 + m_rng.below(4) * 0.5;
            break;
        default:
            cellar = m_rng.between(11, 14);
            serve = colour == "Rouge" ? m_rng.between(15, 18) : colour == "Rosé" ? m_rng.between(7, 10)
                                                                                 : m_rng.between(8, 12);
            alcohol = 11.5 + m_rng.below(8) * 0.5;
            break;
        }
        if (m_rng.chance(0.2))
            serve += 0.5;

        const int alarm = m_rng.chance(0.15) ? m_rng.between(1, 6) : 0;
        const int purchase = m_rng.chance(0.12) ? std::max(alarm, 0) + m_rng.between(2, 8) : 0;
        static const double rateWeights[] = {4, 3, 8, 30, 36, 19};
        const int rate = m_rng.weighted(std::vector<double>(std::begin(rateWeights), std::end(rateWeights)));
        const std::string remark = m_rng.chance(0.2) ? m_rng.pick(kRemarks) : "";
        const std::string food = foodFor(kind);

        char code[32];
        std::snprintf(code, sizeof code, "%s-%03d", g.prefix.c_str(), ++m_codeCounter[std::string(g.prefix)]);

        m_wine.integer(1, m_dossier);
        m_wine.integer(2, producer);
        m_wine.integer(3, g.country);
        m_wine.integer(4, g.region);
        m_wine.integer(5, g.appellation);
        m_wine.text(6, title);
        m_wine.text(7, code);
        m_wine.text(8, grape);
        m_wine.text(9, colour);
        m_wine.text(10, classification);
        m_wine.text(11, category);
        m_wine.real(12, cellar);
        m_wine.real(13, serve);
        m_wine.text(14, remark);
        m_wine.integerOrNull(15, alarm);
        m_wine.integerOrNull(16, purchase);
        m_wine.integer(17, rate);
        m_wine.real(18, alcohol);
        m_wine.text(19, food);
        if (index < m_o.pictures && !m_pictures.empty()) {
            const Picture &p = m_pictures[std::size_t(index) % m_pictures.size()];
            m_wine.blob(20, p.mini1);
            m_wine.blob(21, p.mini2);
        } else {
            m_wine.null(20);
            m_wine.null(21);
        }
        const qint64 wine = m_wine.insert();
        ++stats.wines;

        // 1 .. 2M-1 lines, M on average.
        const int lines = m_o.linesPerWine <= 0 ? 0 : m_rng.between(1, 2 * m_o.linesPerWine - 1);
        m_lastPlace.clear();
        m_lastSupplier = -1;
        for (int l = 0; l < lines; ++l)
            addLine(wine, kind, colour, classification, category);
        return wine;
    }

    const Format *formatFor(Kind kind)
    {
        if (m_ref.formats.empty())
            return nullptr;
        std::vector<double> weights;
        for (const Format &f : m_ref.formats)
            weights.push_back(formatWeight(kind, f.title, f.litres));
        if (std::all_of(weights.begin(), weights.end(), [](double w) { return w <= 0; }))
            return &m_rng.pick(m_ref.formats);
        return &m_ref.formats[std::size_t(m_rng.weighted(weights))];
    }

    int quantity()
    {
        static const std::vector<double> usual = {14, 12, 12, 8, 6, 16, 3, 3, 2, 3, 1, 10}; // 1 .. 12
        const double r = m_rng.unit();
        if (r < 0.03)
            return 0;
        if (r < 0.9)
            return 1 + m_rng.weighted(usual);
        return m_rng.between(13, 24);
    }

    std::string place()
    {
        if (m_ref.places.empty() || m_rng.chance(0.05))
            return {};
        if (!m_lastPlace.empty() && m_rng.chance(0.5))
            return m_lastPlace;
        m_lastPlace = m_rng.chance(0.85) && !m_ref.leafPlaces.empty() ? m_rng.pick(m_ref.leafPlaces)
                                                                       : m_rng.pick(m_ref.places);
        return m_lastPlace;
    }

    const Named *supplier()
    {
        if (m_ref.suppliers.empty() || m_rng.chance(0.15))
            return nullptr;
        if (m_lastSupplier >= 0 && m_rng.chance(0.6))
            return &m_ref.suppliers[std::size_t(m_lastSupplier)];
        m_lastSupplier = m_rng.below(int(m_ref.suppliers.size()));
        return &m_ref.suppliers[std::size_t(m_lastSupplier)];
    }

    double basePrice(Kind kind, const std::string &category, const std::string &classification)
    {
        double median = kind == Kind::Spirit      ? 45
                        : kind == Kind::Cider     ? 6
                        : kind == Kind::Sweet     ? 25
                        : kind == Kind::Fortified ? 20
                        : kind == Kind::Sparkling ? (category == "Champagne" ? 35 : 14)
                                                  : 13;
        const QString c = QString::fromStdString(classification);
        if (c.startsWith(u"Premier grand cru"))
            median *= 6;
        else if (c.contains(u"grand cru", Qt::CaseInsensitive))
            median *= 3;
        else if (c.contains(u"cru classé") || c.startsWith(u"Premier cru"))
            median *= 2;
        else if (c == u"XO" || c == u"Hors d'âge")
            median *= 2;
        else if (c == u"VSOP")
            median *= 1.4;
        return median;
    }

    void addLine(qint64 wine, Kind kind, const std::string &colour, const std::string &classification,
                 const std::string &category)
    {
        const bool nonVintage = kind == Kind::Spirit ? m_rng.chance(0.9)
                                : kind == Kind::Sparkling ? m_rng.chance(0.35)
                                                          : m_rng.chance(0.01);
        // Recent vintages are the common ones.
        const int vintage = nonVintage ? 0 : 2024 - int(39.999 * std::pow(m_rng.unit(), 1.8));

        const int firstYear = vintage ? std::min(vintage + 1, kLastDay.year()) : 2000 + int(25.999 * std::sqrt(m_rng.unit()));
        const int lastYear = vintage ? std::min(vintage + 6, kLastDay.year()) : kLastDay.year();
        const int boughtYear = m_rng.between(firstYear, std::max(firstYear, lastYear));
        const QDate bought = randomDay(m_rng, QDate(boughtYear, 1, 1), std::min(QDate(boughtYear, 12, 31), kLastDay));
        const QDate purchaseDate = m_rng.chance(0.08) ? QDate() : bought;

        int drinkBegin = 0, drinkEnd = 0, bestBegin = 0, bestEnd = 0;
        if (kind != Kind::Spirit && !m_rng.chance(0.05)) {
            int delay, span;
            if (!vintage || kind == Kind::Cider || colour == "Rosé") {
                delay = m_rng.between(vintage ? 1 : 0, 2);
                span = m_rng.between(1, 4);
            } else if (colour == "Rouge" || kind == Kind::Sweet || kind == Kind::Fortified) {
                delay = m_rng.between(2, 6);
                span = m_rng.between(5, 25);
            } else {
                delay = m_rng.between(1, 3);
                span = m_rng.between(3, 10);
            }
            drinkBegin = (vintage ? vintage : boughtYear) + delay;
            drinkEnd = drinkBegin + span;
            bestBegin = drinkBegin + m_rng.between(0, span / 2);
            bestEnd = bestBegin + m_rng.between(0, drinkEnd - bestBegin);
        }

        const Format *format = formatFor(kind);
        const double litres = format && format->litres > 0 ? format->litres : 0.75;
        double price = basePrice(kind, category, classification) * std::exp(0.5 * m_rng.normal()) * litres / 0.75;
        price = price < 30 ? roundTo(price, 0.1) : roundTo(price, 1);
        price = std::max(price, 2.0);
        const int age = vintage ? kLastDay.year() - vintage : 2;
        const double value = std::max(std::round(price * (0.9 + 0.03 * age + 0.25 * m_rng.unit())), std::round(price));

        const int left = quantity();
        std::vector<int> exits;
        if (left == 0 || m_rng.chance(0.3)) {
            const int n = m_rng.between(1, 3);
            for (int k = 0; k < n; ++k)
                exits.push_back(m_rng.chance(0.8) ? 1 : m_rng.between(2, 3));
        }
        int entered = left;
        for (int e : exits)
            entered += e;

        const Named *from = supplier();
        const std::string location = place();
        const std::string formatTitle = format ? format->title : std::string();

        m_bottle.integer(1, m_dossier);
        m_bottle.integer(2, from ? from->id : -1);
        m_bottle.integer(3, wine);
        m_bottle.integerOrNull(4, vintage);
        m_bottle.integerOrNull(5, drinkBegin);
        m_bottle.integerOrNull(6, drinkEnd);
        m_bottle.integerOrNull(7, bestBegin);
        m_bottle.integerOrNull(8, bestEnd);
        m_bottle.text(9, formatTitle);
        m_bottle.integer(10, left);
        m_bottle.dateOrNull(11, purchaseDate);
        m_bottle.real(12, price);
        m_bottle.real(13, value);
        m_bottle.text(14, location);
        const qint64 line = m_bottle.insert();
        ++stats.lines;
        stats.bottles += left;

        const std::string supplierTitle = from ? from->title : std::string();
        const auto movement = [&](int type, const QDate &day, int count) {
            m_historic.integer(1, m_dossier);
            m_historic.integer(2, wine);
            m_historic.integer(3, line);
            m_historic.integer(4, type);
            m_historic.dateOrNull(5, day);
            m_historic.integer(6, count);
            m_historic.integerOrNull(7, vintage);
            m_historic.text(8, formatTitle);
            m_historic.dateOrNull(9, purchaseDate);
            m_historic.text(10, supplierTitle);
            m_historic.real(11, price);
            m_historic.real(12, value);
            if (type == 2) {
                m_historic.text(13, m_ref.events.empty() || m_rng.chance(0.1) ? std::string() : m_rng.pick(m_ref.events));
                m_historic.text(14, m_ref.appreciations.empty() || m_rng.chance(0.1) ? std::string()
                                                                                      : m_rng.pick(m_ref.appreciations));
                m_historic.text(15, m_rng.chance(0.3) ? "" : m_rng.pick(kGuests));
                m_historic.text(16, m_rng.chance(0.3) ? "" : m_rng.pick(kDishes));
            } else {
                for (int k = 13; k <= 16; ++k)
                    m_historic.text(k, std::string());
            }
            m_historic.insert();
            ++stats.movements;
        };
        movement(1, bought, entered);
        std::vector<QDate> days;
        for (std::size_t k = 0; k < exits.size(); ++k)
            days.push_back(randomDay(m_rng, std::min(bought.addDays(30), kLastDay), kLastDay));
        std::sort(days.begin(), days.end());
        for (std::size_t k = 0; k < exits.size(); ++k)
            movement(2, days[k], exits[k]);
    }

    const Reference &m_ref;
    const GenerateOptions &m_o;
    qint64 m_dossier;
    const std::vector<Picture> &m_pictures;
    Rng m_rng;
    Statement m_wine, m_bottle, m_historic;
    std::vector<double> m_categoryWeights;
    std::vector<std::string> m_whiteGrapes, m_redGrapes;
    std::vector<std::string> m_frenchClasses, m_spiritClasses;
    std::vector<double> m_frenchClassWeights;
    std::vector<Origin> m_origins;
    std::vector<int> m_freeAppellations, m_freeRegions, m_freeCountries;
    std::map<std::string, int> m_codeCounter;
    std::string m_lastPlace;
    int m_lastSupplier = -1;
};

} // namespace

qint64 generate(const GenerateOptions &options, QString *error, GenerateCounts *counts)
{
    if (options.wines < 0 || options.linesPerWine < 0 || options.pictures < 0) {
        *error = QStringLiteral("Les nombres de vins, de lignes et d'images ne peuvent pas être négatifs.");
        return -1;
    }
    NoProgress progress;
    const std::optional<app::Prepared> prepared = app::prepare(app::findProgramFolder(), options.dataFolder, progress);
    if (!prepared) {
        *error = QStringLiteral("Le dossier de données %1 ne peut pas être préparé.").arg(options.dataFolder);
        return -1;
    }
    const DbSettings &db = prepared->db;
    const std::vector<Picture> pictures = makePictures(options.seed, options.pictures);

    Connection connection;
    qint64 dossier = -1;
    std::vector<qint64> wines;
    Stats stats;
    try {
        connection.openFile(db.databasePath());
        const Reference ref = readReference(connection);
        Transaction transaction(connection);
        connection.exec(QStringLiteral("INSERT INTO PROFILES (FullName, LoginName, LoginPassword, Administrator, "
                                       "Comment) VALUES ('', ?, '', 0, ?)"),
                        {QStringLiteral("Cave de test (%1 vins)").arg(options.wines),
                         QStringLiteral("Cave synthétique : graine %1, %2 lignes par vin en moyenne.")
                             .arg(options.seed)
                             .arg(options.linesPerWine)});
        dossier = connection.lastInsertId();
        {
            Generator generator(connection.handle(), ref, options, dossier, pictures);
            wines = generator.run();
            stats = generator.stats;
        }
        transaction.commit();
    } catch (const DbError &e) {
        *error = QStringLiteral("Base %1 : %2").arg(db.databasePath(), e.message());
        return -1;
    }

    // Files only once the rows are there.
    qint64 written = 0;
    if (!pictures.empty() && options.pictures > 0) {
        const QString folder = db.dataFolder + QStringLiteral("Images/");
        if (!QDir().mkpath(folder)) {
            *error = QStringLiteral("Le dossier %1 ne peut pas être créé.").arg(folder);
            return -1;
        }
        const int n = std::min<int>(options.pictures, int(wines.size()));
        for (int i = 0; i < n; ++i) {
            QFile f(folder + QStringLiteral("Wine%1.jpg").arg(wines[std::size_t(i)]));
            const QByteArray &bytes = pictures[std::size_t(i) % pictures.size()].jpeg;
            if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size()) {
                *error = QStringLiteral("Écriture impossible : %1").arg(f.fileName());
                return -1;
            }
            ++written;
        }
    }
    if (counts) {
        counts->wines = stats.wines;
        counts->bottleLines = stats.lines;
        counts->bottles = stats.bottles;
        counts->movements = stats.movements;
        counts->pictures = written;
    }
    return dossier;
}

} // namespace bench
