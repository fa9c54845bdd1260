#include "app/profile_search.h"

#include "app/cell_matches.h"
#include "app/item_columns.h"
#include "app/profile_list.h"
#include "app/profiles.h"
#include "grid_core/text_file.h"
#include "platform/conversions.h"
#include "platform/errors.h"
#include "platform/files.h"

#include <QCoreApplication>

#include <functional>

namespace {

constexpr int kItemColumns = icMark + 1;

// Checks each field as the item grid's cells would take it and keeps a row
// whose name or notes match. Fields may point into the file's characters,
// which outlive the parse: a row is copied only when it is kept.
class TFindTarget : public ITextFileTarget {
public:
    // keep tells whether a name or notes field keeps its row.
    explicit TFindTarget(std::function<bool(const QString &, int)> keep) : keep_(std::move(keep)) {}

    void AddRow() override
    {
        EndRow();
        ++row_;
    }
    void StoreField(int column, int row, const QString &text) override
    {
        if (column < 0 || column >= kItemColumns)
            throw ECellOutOfBounds(column, row);
        switch (column) {
        case icName:
        case icNotes:
            matched_ = matched_ || keep_(text, column);
            fields_[column] = text;
            break;
        case icPrice: fields_[column] = text; break;
        case icPriority: priority_ = text.isEmpty() ? 0 : StrToInt(text); break;
        case icDelete:
            if (!text.isEmpty())
                StrToInt(text);
            break;
        default: break;
        }
    }
    QList<TFoundItem> Finish()
    {
        EndRow();
        return std::move(found_);
    }

private:
    void EndRow()
    {
        if (matched_) {
            const auto copy = [](const QString &text) {
                return QString(text.constData(), text.size());
            };
            found_.append({row_, copy(fields_[icName]), copy(fields_[icNotes]),
                           copy(fields_[icPrice]), priority_});
        }
        matched_ = false;
        priority_ = 0;
        for (QString &field : fields_)
            field = QString();
    }

    std::function<bool(const QString &, int)> keep_;
    int row_ = -1;
    bool matched_ = false;
    QString fields_[icPrice + 1];
    int priority_ = 0;
    QList<TFoundItem> found_;
};

} // namespace

QList<TFoundItem> FindInProfileText(const QString &chars, const TWordMatcher &matcher)
{
    TFindTarget target([&matcher](const QString &text, int) { return matcher.Matches(text); });
    ParseTextFile(chars, QLatin1Char(','), QLatin1Char('|'), target);
    return target.Finish();
}

QList<TFoundItem> ItemsOfProfileText(const QString &chars)
{
    TFindTarget target([](const QString &, int column) { return column == icName; });
    ParseTextFile(chars, QLatin1Char(','), QLatin1Char('|'), target);
    return target.Finish();
}

QList<TSearchedProfile> ProfilesToSearch(const QStringList &lines, const QString &blankPath,
                                         const QString &shownPath)
{
    QList<TSearchedProfile> profiles;
    const auto add = [&](const QString &path, const QString &name) {
        for (const TSearchedProfile &profile : profiles)
            if (IsSameProfileFile(profile.path, path))
                return;
        profiles.append({path, name});
    };
    for (const QString &line : lines) {
        if (const QString name = ProfileName(line); IsListedProfileName(name))
            add(line, name);
    }
    add(blankPath, QCoreApplication::translate("TFindAllDialog", "(blank profile)"));
    add(shownPath, ProfileName(shownPath));
    return profiles;
}

QList<TSearchedProfile> KnownProfiles(const TProfiles &profiles)
{
    QStringList lines;
    try {
        lines = ReadProfileList(ReadWholeFile(profiles.ProfileListPath()));
    } catch (const EYearnboxError &) {
        // No profile saved yet: the blank profile alone.
    }
    return ProfilesToSearch(lines, profiles.BlankProfilePath(), profiles.CurrentProfilePath());
}

QList<TProfileFindings> FindInProfiles(const QList<TSearchedProfile> &profiles, const QString &word)
{
    const TWordMatcher matcher(word);
    QList<TProfileFindings> findings;
    for (const TSearchedProfile &profile : profiles) {
        TProfileFindings found{profile, {}, {}};
        try {
            found.items = FindInProfileText(DecodeTextFile(ReadWholeFile(profile.path)), matcher);
        } catch (const EYearnboxError &error) {
            found.failure = error.Message();
        }
        findings.append(std::move(found));
    }
    return findings;
}
