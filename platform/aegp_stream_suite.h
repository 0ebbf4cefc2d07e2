/* "AEGP Stream Suite" version 7: reading and writing layer stream values. Our own declarations. */
#ifndef STRATA_PLATFORM_AEGP_STREAM_SUITE_H
#define STRATA_PLATFORM_AEGP_STREAM_SUITE_H

#include "platform/aegp_types.h"

#ifdef __cplusplus
extern "C" {
#endif

#define kAEGPStreamSuite "AEGP Stream Suite"
#define kAEGPStreamSuiteVersion7 7

typedef struct AEGP_StreamSuite7 {
    /* The value of a layer stream at a time, without making a stream handle; after expressions
     * unless preExpression is set. The type is written when streamType is not null. */
    A_Err (*AEGP_GetLayerStreamValue)(AEGP_LayerH layerH, AEGP_LayerStream whichStream,
                                      AEGP_LTimeMode timeMode, const A_Time* time,
                                      A_Boolean preExpression, AEGP_StreamVal* value,
                                      AEGP_StreamType* streamType);
    /* A new handle on a layer stream; dispose of it with AEGP_DisposeStream. */
    A_Err (*AEGP_GetNewLayerStream)(AEGP_PluginID pluginId, AEGP_LayerH layerH,
                                    AEGP_LayerStream whichStream, AEGP_StreamRefH* streamH);
    /* Releases a stream handle. */
    A_Err (*AEGP_DisposeStream)(AEGP_StreamRefH streamH);
    /* The stream's value record (handle, then value) at a time. */
    A_Err (*AEGP_GetNewStreamValue)(AEGP_PluginID pluginId, AEGP_StreamRefH streamH,
                                    AEGP_LTimeMode timeMode, const A_Time* time,
                                    A_Boolean preExpression, AEGP_StreamValue* value);
    /* Releases what a value record holds. */
    A_Err (*AEGP_DisposeStreamValue)(AEGP_StreamValue* value);
    /* Makes the record's value the stream's value; refused for a stream with keyframes. */
    A_Err (*AEGP_SetStreamValue)(AEGP_PluginID pluginId, AEGP_StreamRefH streamH,
                                 AEGP_StreamValue* value);
    /* The stream's value type. */
    A_Err (*AEGP_GetStreamType)(AEGP_StreamRefH streamH, AEGP_StreamType* streamType);
} AEGP_StreamSuite7;

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_AEGP_STREAM_SUITE_H */
