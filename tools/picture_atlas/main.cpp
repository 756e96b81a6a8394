// zuzazizo_picture_atlas: packs the PNG pictures of a web site's folders into one picture per
// drawing size, so that the page fetches them with one request instead of one each.
//
// Usage: zuzazizo_picture_atlas <site folder> <folder inside it>...
//
// Writes <site>/pictures.png with the pictures drawn at 1x, pictures@2x.png and so on for each
// larger size that has drawings ("name@2x.png"), and their index <site>/pictures.json:
//   {"atlases": [{"factor": 1,
//                 "pictures": {"Graphics/Skin/im_hero_1_1.png": [x, y, width, height], ...}}, ...]}
// where a larger drawing goes by its 1x name. A file that cannot be read with 8 bits a channel
// stays out; the page fetches such a file on its own and reports it as the desktop program does.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <cstdio>
#include <map>

#include "atlas.h"

using picture_atlas::Picture;

namespace {

// "name@3x.png" is drawn at 3 times and goes by "name.png"; any other name at 1 time.
std::pair<int, QString> factor_and_name(const QString& file) {
    static const QRegularExpression larger(QStringLiteral("^(.*)@([2-4])x(\\.png)$"),
                                           QRegularExpression::CaseInsensitiveOption);
    const auto match = larger.match(file);
    if (!match.hasMatch()) return {1, file};
    return {match.captured(2).toInt(), match.captured(1) + match.captured(3)};
}

bool collect(const QDir& site, const QString& folder, std::map<int, std::vector<Picture>>& sizes) {
    const QDir dir(site.filePath(folder));
    if (!dir.exists()) {
        std::fprintf(stderr, "zuzazizo_picture_atlas: no folder %s\n", qPrintable(dir.path()));
        return false;
    }
    const auto files = dir.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    for (const QString& file : files) {
        QImage image = picture_atlas::read_exactly(dir.filePath(file));
        if (image.isNull()) continue;
        const auto [factor, name] = factor_and_name(file);
        sizes[factor].push_back({QDir::cleanPath(folder + '/' + name), std::move(image)});
    }
    return true;
}

QString atlas_file(int factor) {
    return factor == 1 ? QStringLiteral("pictures.png")
                       : QStringLiteral("pictures@%1x.png").arg(factor);
}

QJsonObject index_entry(int factor, const picture_atlas::Atlas& atlas) {
    QJsonObject places;
    for (const auto& placed : atlas.placed) {
        const QRect& r = placed.place;
        places.insert(placed.path, QJsonArray{r.x(), r.y(), r.width(), r.height()});
    }
    return {{"factor", factor}, {"pictures", places}};
}

bool write_all(const QDir& site, std::map<int, std::vector<Picture>> sizes) {
    QJsonArray atlases;
    for (auto& [factor, pictures] : sizes) {
        const auto atlas = picture_atlas::pack(std::move(pictures));
        const QString file = atlas_file(factor);
        if (!atlas.image.save(site.filePath(file), "PNG")) {
            std::fprintf(stderr, "zuzazizo_picture_atlas: cannot write %s\n",
                         qPrintable(site.filePath(file)));
            return false;
        }
        atlases.append(index_entry(factor, atlas));
    }
    QFile index(site.filePath(QStringLiteral("pictures.json")));
    const QByteArray json =
        QJsonDocument(QJsonObject{{"atlases", atlases}}).toJson(QJsonDocument::Compact);
    if (!index.open(QIODevice::WriteOnly) || index.write(json) != json.size()) {
        std::fprintf(stderr, "zuzazizo_picture_atlas: cannot write %s\n",
                     qPrintable(index.fileName()));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: zuzazizo_picture_atlas <site folder> <folder inside it>...\n");
        return 2;
    }
    const QDir site(args[1]);
    std::map<int, std::vector<Picture>> sizes;
    for (qsizetype i = 2; i < args.size(); ++i) {
        if (!collect(site, args[i], sizes)) return 1;
    }
    return write_all(site, std::move(sizes)) ? 0 : 1;
}
