#include "host/stream_access.h"

#include <cmath>

namespace strata {

A_Time layerCurrentTime(SuiteHandler& suites, AEGP_LayerH layer) {
    A_Time time{0, 1};
    suites.layer()->AEGP_GetLayerCurrentTime(layer, AEGP_LTimeMode_CompTime, &time);
    return time;
}

namespace {

bool readValue(SuiteHandler& suites, AEGP_LayerH layer, AEGP_LayerStream stream, const A_Time& time,
               AEGP_StreamVal& value) {
    value = AEGP_StreamVal{};
    return suites.stream()->AEGP_GetLayerStreamValue(layer, stream, AEGP_LTimeMode_CompTime, &time,
                                                     false, &value, nullptr) == A_Err_NONE;
}

bool isFinite(AEGP_LayerStream stream, const AEGP_StreamVal& v) {
    if (!isVectorStream(stream)) return std::isfinite(v.one_d);
    return std::isfinite(v.three_d.x) && std::isfinite(v.three_d.y) && std::isfinite(v.three_d.z);
}

}  // namespace

bool isVectorStream(AEGP_LayerStream stream) {
    return stream == AEGP_LayerStream_ANCHORPOINT || stream == AEGP_LayerStream_POSITION ||
           stream == AEGP_LayerStream_SCALE || stream == AEGP_LayerStream_ORIENTATION;
}

Vector3 readVectorStream(SuiteHandler& suites, AEGP_LayerH layer, AEGP_LayerStream stream,
                         const A_Time& time, const Vector3& fallback) {
    AEGP_StreamVal v;
    if (!readValue(suites, layer, stream, time, v)) return fallback;
    return {v.three_d.x, v.three_d.y, v.three_d.z};
}

double readNumberStream(SuiteHandler& suites, AEGP_LayerH layer, AEGP_LayerStream stream,
                        const A_Time& time, double fallback) {
    AEGP_StreamVal v;
    if (!readValue(suites, layer, stream, time, v)) return fallback;
    return v.one_d;
}

StreamHandle::StreamHandle(SuiteHandler& suites, AEGP_PluginID pluginId, AEGP_LayerH layer,
                           AEGP_LayerStream stream)
    : suite_(suites.stream()), pluginId_(pluginId), stream_(stream) {
    AEGP_StreamRefH handle = nullptr;
    if (suite_->AEGP_GetNewLayerStream(pluginId, layer, stream, &handle) == A_Err_NONE) {
        handle_ = handle;
    }
}

StreamHandle::~StreamHandle() {
    if (handle_ != nullptr) suite_->AEGP_DisposeStream(handle_);
}

bool StreamHandle::read(const A_Time& time, AEGP_StreamValue& value) const {
    value = AEGP_StreamValue{};
    if (handle_ == nullptr) return false;
    return suite_->AEGP_GetNewStreamValue(pluginId_, handle_, AEGP_LTimeMode_CompTime, &time, false,
                                          &value) == A_Err_NONE;
}

A_Err StreamHandle::write(AEGP_StreamValue& value) const {
    if (handle_ == nullptr) return A_Err_PARAMETER;
    if (!isFinite(stream_, value.val)) return A_Err_PARAMETER;
    return suite_->AEGP_SetStreamValue(pluginId_, handle_, &value);
}

}  // namespace strata
