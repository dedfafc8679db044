#pragma once

#include <QString>
#include <QStringList>

// Builds the full path of every image the capture pipeline writes. The counters live only in
// memory: each run starts at 0 and walks past files already on disk, so a restart never
// overwrites the previous run's pictures.
class ImageNamer {
public:
    enum Rule { TimeDate = 1, Index = 2, TimeDateIndex = 3 };

    ImageNamer() = default;

    // Path for a normal capture; advances the counter for the numbered rules.
    QString MakeImagePath(const QString& dir, int imageType);
    // Path for one side ("Up" / "Down") of an identity card saved as two files.
    QString MakeSidePath(const QString& dir, const QString& side, int imageType);
    // Paths for all sides of one card under one shared name (number or time): the first name at
    // which every side is free. The counter stays on the number used.
    QStringList MakeSidePaths(const QString& dir, const QStringList& sides, int imageType);
    // Path for a caller-given base name: name + extension, or, when that is taken, name + "_2",
    // "_3" … + extension; an earlier file of that name is never replaced.
    QString MakeNamedPath(const QString& dir, const QString& name, int imageType);
    // Both paths of a split book spread, always numbered; returns an empty string. The number
    // stays where it is, so the next spread starts its search at the number just used.
    QString MakeBookPairPaths(const QString& dir, QString& leftOut, QString& rightOut,
                              int imageType);

    // Settings value "/Software/Nametype" (0, 1, 2, ...) to a rule.
    static int RuleFromNameType(int nameType);
    // "%04d": at least four digits, never truncated.
    static QString FormatNumber(int n);

    int rule = Index;
    QString prefix = QStringLiteral("IMG");
    int index = 0;
    int bookIndex = 0;
    int indexStep = 1;

private:
    QString numberedName();
    // A path counts as taken when a file exists there or when this namer handed it out lately:
    // files are written asynchronously, so a burst of captures must not be given one name.
    bool taken(const QString& path) const;
    QString issue(const QString& path);

    QStringList issued;
};
