// ovixcardsim: a stand-in for the card terminal program, for trying card
// payments at a till without a card terminal (see --help).
//
// It watches an exchange folder for the till's request, input.txt, takes it
// (reads and removes it), waits a while and writes output.txt with the result
// code it was told to give: at once, slowly in pieces, or never.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr const char *kUsage = R"(Usage: ovixcardsim --folder DIR [options]

Answers the till's card requests in the exchange folder DIR (the folder set
in Payments > Card processing setup; by default "cardeft" in the shop folder).
Each request (input.txt) is taken and answered with a reply (output.txt).

Options:
  --folder DIR       the exchange folder (created when missing)
  --code N           the result code of every reply, 0-99 (default 0)
                     0-3 approve; 4, 5, 9, 16, 19-38, 42, 43, 50, 60-65 and
                     every other code decline
  --delay MS         wait MS milliseconds before replying (default 1000)
  --pieces N         write the reply N bytes at a time (default: all at once)
  --piece-pause MS   wait MS milliseconds between pieces (default 100)
  --reply TEXT       reply with TEXT instead of "3=N" and a line feed; "\n"
                     in TEXT stands for a line feed
  --never            take requests but never reply
  --count N          stop after N requests (default: run until stopped)
  --help             show this text
)";

struct Options {
    std::string folder;
    int code = 0;
    int delay = 1000;
    int pieces = 0;
    int piecePause = 100;
    std::string reply;
    bool replyGiven = false;
    bool never = false;
    long count = 0;
};

bool number(const char *text, long low, long high, long &value)
{
    const char *end = text + std::strlen(text);
    const auto [stop, error] = std::from_chars(text, end, value);
    return *text != '\0' && error == std::errc() && stop == end && value >= low && value <= high;
}

std::string unescaped(const std::string &text)
{
    std::string out;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\\' && at + 1 < text.size() && text[at + 1] == 'n') {
            out += '\n';
            ++at;
        } else {
            out += text[at];
        }
    }
    return out;
}

// Parses the command line; false (with a message on stderr) when it is wrong.
bool parse(int argc, char *argv[], Options &options, bool &help)
{
    for (int index = 1; index < argc; ++index) {
        const std::string arg = argv[index];
        if (arg == "--help" || arg == "-h") {
            help = true;
            return true;
        }
        if (arg == "--never") {
            options.never = true;
            continue;
        }
        if (index + 1 >= argc) {
            (void)std::fprintf(stderr, "ovixcardsim: %s needs a value\n", arg.c_str());
            return false;
        }
        const char *value = argv[++index];
        long parsed = 0;
        if (arg == "--folder") {
            options.folder = value;
        } else if (arg == "--reply") {
            options.reply = unescaped(value);
            options.replyGiven = true;
        } else if (arg == "--code" && number(value, 0, 99, parsed)) {
            options.code = int(parsed);
        } else if (arg == "--delay" && number(value, 0, 3600000, parsed)) {
            options.delay = int(parsed);
        } else if (arg == "--pieces" && number(value, 1, 1000000, parsed)) {
            options.pieces = int(parsed);
        } else if (arg == "--piece-pause" && number(value, 0, 3600000, parsed)) {
            options.piecePause = int(parsed);
        } else if (arg == "--count" && number(value, 1, 1000000000, parsed)) {
            options.count = parsed;
        } else {
            (void)std::fprintf(
                stderr, "ovixcardsim: bad option %s %s (see --help)\n", arg.c_str(), value);
            return false;
        }
    }
    if (options.folder.empty()) {
        (void)std::fprintf(stderr, "ovixcardsim: --folder is needed (see --help)\n");
        return false;
    }
    return true;
}

void pause(int milliseconds)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

// The request, once it is there whole (it ends with "99=0"); "" until then.
std::string takeRequest(const std::string &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::ostringstream bytes;
    bytes << in.rdbuf();
    std::string text = bytes.str();
    const std::string end = "99=0";
    if (text.size() < end.size() || text.compare(text.size() - end.size(), end.size(), end) != 0)
        return {};
    ::unlink(path.c_str());
    return text;
}

bool writeAll(int fd, const char *bytes, size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, bytes, size);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        bytes += written;
        size -= size_t(written);
    }
    return true;
}

bool writeReply(const std::string &path, const std::string &reply, const Options &options)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    bool done = true;
    const size_t piece = options.pieces > 0 ? size_t(options.pieces) : reply.size();
    for (size_t at = 0; done && at < reply.size(); at += piece) {
        if (at > 0)
            pause(options.piecePause);
        done = writeAll(fd, reply.data() + at, std::min(piece, reply.size() - at));
    }
    return ::close(fd) == 0 && done;
}

std::string oneLine(std::string text)
{
    for (char &c : text) {
        if (c == '\n')
            c = ' ';
    }
    return text;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    bool help = false;
    if (!parse(argc, argv, options, help))
        return 2;
    if (help) {
        (void)std::fputs(kUsage, stdout);
        return 0;
    }
    if (::mkdir(options.folder.c_str(), 0700) != 0 && errno != EEXIST) {
        (void)std::fprintf(stderr, "ovixcardsim: cannot create %s: %s\n", options.folder.c_str(),
            std::strerror(errno)); // NOLINT(concurrency-mt-unsafe): one thread
        return 1;
    }
    const std::string reply
        = options.replyGiven ? options.reply : "3=" + std::to_string(options.code) + "\n";
    const std::string requestPath = options.folder + "/input.txt";
    const std::string replyPath = options.folder + "/output.txt";
    std::printf("ovixcardsim: watching %s\n", options.folder.c_str());
    (void)std::fflush(stdout);
    for (long answered = 0; options.count == 0 || answered < options.count;) {
        const std::string request = takeRequest(requestPath);
        if (request.empty()) {
            pause(50);
            continue;
        }
        ++answered;
        std::printf("request: %s\n", oneLine(request).c_str());
        (void)std::fflush(stdout);
        if (options.never)
            continue;
        pause(options.delay);
        if (!writeReply(replyPath, reply, options)) {
            (void)std::fprintf(stderr, "ovixcardsim: cannot write %s: %s\n",
                replyPath.c_str(),
                std::strerror(errno)); // NOLINT(concurrency-mt-unsafe): one thread
            return 1;
        }
        std::printf("reply: %s\n", oneLine(reply).c_str());
        (void)std::fflush(stdout);
    }
    return 0;
}
