#include "records/ReplayStore.h"

#include <algorithm>
#include <system_error>

#include "shell/TextFile.h"

namespace qv {

namespace fs = std::filesystem;

std::vector<int> Link_Entries(const std::vector<Replay>& games, const std::vector<std::string>& names,
                              const std::vector<double>& scores)
{
    std::vector<int> links(names.size(), -1);
    std::vector<bool> used(games.size(), false);
    for (size_t i = names.size(); i-- > 0;) {
        const double score = i < scores.size() ? scores[i] : 0;
        for (size_t g = games.size(); g-- > 0;) {
            const Replay& r = games[g];
            if (!used[g] && r.placed && r.player == names[i] && double(r.result.score) == score) {
                used[g] = true;
                links[i] = int(g);
                break;
            }
        }
    }
    return links;
}

fs::path ReplayStore::Save(const Replay& replay, long long process) const
{
    std::error_code ec;
    fs::create_directories(folder_, ec);
    std::string stamp;
    for (char c : replay.started)
        if (c >= '0' && c <= '9')
            stamp += c;
    const std::string base = stamp + "-" + std::to_string(process);
    fs::path file = folder_ / (base + EXTENSION);
    for (int n = 2; fs::exists(file, ec); ++n)
        file = folder_ / (base + "-" + std::to_string(n) + EXTENSION);
    if (!Write_Text_Lines_Via(file, folder_ / TEMP_NAME, Replay_Lines(replay), std::chrono::seconds(3)))
        return {};
    return file;
}

std::vector<ReplayStore::Entry> ReplayStore::List() const
{
    std::vector<Entry> entries;
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        const fs::path& p = it->path();
        if (p.extension() != EXTENSION || !it->is_regular_file(ec))
            continue;
        Entry e{p, {}};
        if (Read_Replay(p, e.head, true) == Replay_Error::None)
            entries.push_back(std::move(e));
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return a.file.filename() < b.file.filename(); });
    return entries;
}

namespace {
std::vector<Replay> Heads(const std::vector<ReplayStore::Entry>& entries)
{
    std::vector<Replay> heads;
    for (const auto& e : entries)
        heads.push_back(e.head);
    return heads;
}
} // namespace

std::vector<fs::path> ReplayStore::Links(const std::vector<std::string>& names,
                                         const std::vector<double>& scores) const
{
    const auto entries = List();
    std::vector<fs::path> files;
    for (int g : Link_Entries(Heads(entries), names, scores))
        files.push_back(g >= 0 ? entries[size_t(g)].file : fs::path());
    return files;
}

void ReplayStore::Prune(const std::vector<std::string>& names, const std::vector<double>& scores) const
{
    const auto entries = List();
    std::vector<bool> keep(entries.size(), false);
    for (int g : Link_Entries(Heads(entries), names, scores))
        if (g >= 0)
            keep[size_t(g)] = true;
    for (size_t i = entries.size() > KEEP_LAST ? entries.size() - KEEP_LAST : 0; i < entries.size(); ++i)
        keep[i] = true;
    std::error_code ec;
    for (size_t i = 0; i < entries.size(); ++i)
        if (!keep[i])
            fs::remove(entries[i].file, ec);
}

} // namespace qv
