// Every numbered object has its own number: the dispatch finds a gadget,
// menu item or window by its number alone, and the runtime layer replaces an
// object when another is made with the same number. The names live in the
// ids headers of core/ and of each subsystem, read here as the compiler's
// input is, so that a new header or a new name is checked without a word here.
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

struct Name {
    std::string name;
    std::string header;
    int first, last;  // the numbers it takes: one, or a range written "(first-last)" in its comment
};

// The kinds of numbered objects, by the prefix of their names.
const std::vector<std::string> kinds = {"Window", "Gadget", "Menu", "Item", "Image", "Font", "Timer"};

std::string kind_of(const std::string& name) {
    for (const std::string& kind : kinds)
        if (name.rfind(kind, 0) == 0 && name.size() > kind.size() && std::isupper(name[kind.size()])) return kind;
    return {};
}

std::vector<fs::path> numbering_headers() {
    std::vector<fs::path> headers;
    for (const auto& entry : fs::recursive_directory_iterator(VD_SOURCE_DIR "/src")) {
        const std::string file = entry.path().filename().string();
        if (file == "ids.h" || file == "images.h") headers.push_back(entry.path());
    }
    return headers;
}

std::vector<Name> names_in(const fs::path& header) {
    std::ifstream in(header);
    std::stringstream text;
    text << in.rdbuf();
    const std::string source = text.str();
    // "    Name = 123,   // comment (1001-1300)": a number, with a range when the comment gives one.
    static const std::regex line(R"(^\s*([A-Z]\w*)\s*=\s*(\d+)\s*,?[ \t]*(//[^\n]*)?$)", std::regex::multiline);
    static const std::regex range(R"(\((\d+)-(\d+)\))");
    std::vector<Name> names;
    for (auto it = std::sregex_iterator(source.begin(), source.end(), line); it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        Name n{m[1], header.lexically_relative(VD_SOURCE_DIR "/src").string(), std::stoi(m[2]), std::stoi(m[2])};
        std::smatch r;
        const std::string comment = m[3];
        if (std::regex_search(comment, r, range)) {
            n.first = std::stoi(r[1]);
            n.last = std::stoi(r[2]);
        }
        names.push_back(n);
    }
    return names;
}

TEST(Numbers, NoTwoNamesOfOneKindShareANumber) {
    const auto headers = numbering_headers();
    ASSERT_GE(headers.size(), 5u) << "the ids headers were not found under " VD_SOURCE_DIR;
    std::map<std::string, std::vector<Name>> by_kind;
    for (const fs::path& header : headers)
        for (const Name& n : names_in(header))
            if (const std::string kind = kind_of(n.name); !kind.empty()) by_kind[kind].push_back(n);
    for (const std::string kind : {"Window", "Gadget", "Item", "Image", "Font"})
        EXPECT_FALSE(by_kind[kind].empty()) << "no " << kind << " names read: the header layout changed";

    for (const auto& [kind, names] : by_kind) {
        std::map<int, const Name*> owner;
        for (const Name& n : names) {
            for (int number = n.first; number <= n.last; ++number) {
                const auto [it, fresh] = owner.emplace(number, &n);
                EXPECT_TRUE(fresh) << kind << " " << number << ": " << n.name << " (" << n.header << ") and "
                                   << it->second->name << " (" << it->second->header << ")";
            }
        }
    }
}

}  // namespace
