// Frame rate, CPU use and frame-query time of the camera library at its largest virtual size,
// driven through the C contract only.
//
//   bench_camctl [seconds] [width height]       measure (default 10 s at 3264 x 2448 MJPG)
//   bench_camctl --dump <file.png> [width height] save one frame (to look at the scene)
//
// BENCH_CAMCTL_LIBRARY=<path> loads another build of the library (an older one, to compare).

#include <KELM_CamCtl.h>

#include <QImage>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dlfcn.h>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// Resident memory of this process in MiB, from /proc.
double residentMiB() {
    FILE* f = std::fopen("/proc/self/statm", "r");
    long pages = 0, resident = 0;
    if (f) {
        if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(f);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1048576.0);
}

template <typename F>
F resolve(void* lib, const char* name) {
    F f = reinterpret_cast<F>(dlsym(lib, name));
    if (!f) {
        std::fprintf(stderr, "missing %s\n", name);
        std::exit(2);
    }
    return f;
}

double cpuSeconds() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

}  // namespace

int main(int argc, char** argv) {
    bool dump = argc > 2 && std::strcmp(argv[1], "--dump") == 0;
    const std::string dumpFile = dump ? argv[2] : "";
    const int first = dump ? 3 : 2;
    const double seconds = (!dump && argc > 1) ? std::atof(argv[1]) : 10.0;
    const int width = argc > first + 1 ? std::atoi(argv[first]) : 3264;
    const int height = argc > first + 1 ? std::atoi(argv[first + 1]) : 2448;

    const char* other = std::getenv("BENCH_CAMCTL_LIBRARY");
    const std::string path =
        other ? std::string(other) : std::string(MIRAVELO_BIN_DIR) + "/libKELM_CamCtl.so";
    void* lib = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!lib) {
        std::fprintf(stderr, "cannot load %s: %s\n", path.c_str(), dlerror());
        return 2;
    }
    auto init = resolve<decltype(&KELM_Camctl_Init)>(lib, "KELM_Camctl_Init");
    auto devices = resolve<decltype(&KELM_Camctl_GetDeviceList)>(lib, "KELM_Camctl_GetDeviceList");
    auto resolutions =
        resolve<decltype(&KELM_Camctl_GetResolutionList)>(lib, "KELM_Camctl_GetResolutionList");
    auto start = resolve<decltype(&KELM_Camctl_StartPreview)>(lib, "KELM_Camctl_StartPreview");
    auto query = resolve<decltype(&KELM_Camctl_QueryFrame)>(lib, "KELM_Camctl_QueryFrame");
    auto stop = resolve<decltype(&KELM_Camctl_StopPreview)>(lib, "KELM_Camctl_StopPreview");

    KELM_CamInit block{1, 0, 0};
    init(&block);
    const double rssLoaded = residentMiB();
    KELM_CamDevice list[8] = {};
    if (devices(list, 8) < 1) {
        std::fprintf(stderr, "no camera\n");
        return 1;
    }
    KELM_CamResolution res[32] = {};
    const int n = resolutions(0, res, 32);
    int index = -1;
    for (int i = 0; i < n; ++i)
        if (res[i].width == width && res[i].height == height &&
            res[i].format == KELM_CAMCTL_FORMAT_MJPG)
            index = i;
    if (index < 0 || start(0, index) != 1) {
        std::fprintf(stderr, "cannot start %dx%d MJPG on %s\n", width, height, list[0].name);
        return 1;
    }
    std::vector<unsigned char> buffer(KELM_CAMCTL_FRAME_BUFFER_BYTES);
    int w = 0, h = 0, len = 0;
    using clock = std::chrono::steady_clock;
    // Wait for the first frame: the virtual camera prepares its loop first.
    const auto setupStart = clock::now();
    while (query(buffer.data(), &w, &h, &len) != 1) {
        if (clock::now() - setupStart > std::chrono::seconds(30)) {
            std::fprintf(stderr, "no frame\n");
            return 1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    const double firstFrame = std::chrono::duration<double>(clock::now() - setupStart).count();
    if (dump) {
        QImage img(buffer.data(), w, h, w * 3, QImage::Format_RGB888);
        const bool ok = img.save(QString::fromStdString(dumpFile));
        stop();
        return ok ? 0 : 1;
    }

    std::vector<double> queryMs;
    long frames = 0;
    const double cpu0 = cpuSeconds();
    const auto t0 = clock::now();
    while (std::chrono::duration<double>(clock::now() - t0).count() < seconds) {
        const auto q0 = clock::now();
        const int r = query(buffer.data(), &w, &h, &len);
        const auto q1 = clock::now();
        if (r == 1) {
            ++frames;
            queryMs.push_back(std::chrono::duration<double, std::milli>(q1 - q0).count());
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const double wall = std::chrono::duration<double>(clock::now() - t0).count();
    const double cpu = cpuSeconds() - cpu0;
    const double rss = residentMiB();
    stop();
    std::sort(queryMs.begin(), queryMs.end());
    const double median = queryMs.empty() ? 0 : queryMs[queryMs.size() / 2];
    std::printf("camera: %s, %dx%d MJPG, first frame after %.2f s\n", list[0].name, width, height,
                firstFrame);
    std::printf("frames: %ld in %.1f s = %.1f fps\n", frames, wall, frames / wall);
    std::printf("process CPU: %.2f s = %.0f%% of one core\n", cpu, 100.0 * cpu / wall);
    std::printf("QueryFrame (new frame) median: %.2f ms over %zu calls\n", median, queryMs.size());
    std::printf(
        "resident memory: %.0f MiB loaded, %.0f MiB while streaming (library and the "
        "40 MiB caller buffer)\n",
        rssLoaded, rss);
    return 0;
}
