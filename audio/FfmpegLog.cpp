#include "audio/FfmpegLog.h"

#include <mutex>

extern "C" {
#include <libavutil/log.h>
}

namespace ffmpeg_log {
void Quiet() {
    static std::once_flag once;
    std::call_once(once, [] { av_log_set_level(AV_LOG_FATAL); });
}
} // namespace ffmpeg_log
