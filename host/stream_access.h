#pragma once
// Reading and writing layer streams. Every read and write of one layer happens at that layer's
// current time, in composition time, after expressions; writes are read-modify-write of the
// host's value record, so numbers a tool does not compute go back as they were read.

#include "host/suite_handler.h"
#include "kernel/vector3.h"

namespace strata {

// The composition's current time as the layer sees it. A failed read leaves time 0 (scale 1).
A_Time layerCurrentTime(SuiteHandler& suites, AEGP_LayerH layer);

// Read for computing: the stream's value, or the fallback when the host refused the read.
Vector3 readVectorStream(SuiteHandler& suites, AEGP_LayerH layer, AEGP_LayerStream stream,
                         const A_Time& time, const Vector3& fallback);
double readNumberStream(SuiteHandler& suites, AEGP_LayerH layer, AEGP_LayerStream stream,
                        const A_Time& time, double fallback);

// Whether a layer stream holds three numbers (anchor, position, scale, orientation) or one.
bool isVectorStream(AEGP_LayerStream stream);

// One stream opened for read-modify-write; the handle is disposed when this goes out of scope.
// A handle the host refused to give stays empty: nothing is read, written or disposed for it.
class StreamHandle {
  public:
    StreamHandle(SuiteHandler& suites, AEGP_PluginID pluginId, AEGP_LayerH layer,
                 AEGP_LayerStream stream);
    ~StreamHandle();
    StreamHandle(const StreamHandle&) = delete;
    StreamHandle& operator=(const StreamHandle&) = delete;

    bool valid() const { return handle_ != nullptr; }
    AEGP_LayerStream stream() const { return stream_; }

    // The value record at a time; false when there is no handle or the host refused the read,
    // and then there is nothing to write back.
    bool read(const A_Time& time, AEGP_StreamValue& value) const;
    // Hands the changed record back. A record holding a non-finite number is refused here with
    // A_Err_PARAMETER and never reaches the host; otherwise the host's result.
    A_Err write(AEGP_StreamValue& value) const;

  private:
    const AEGP_StreamSuite7* suite_;
    AEGP_PluginID pluginId_;
    AEGP_LayerStream stream_;
    AEGP_StreamRefH handle_ = nullptr;
};

}  // namespace strata
