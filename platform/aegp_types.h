/* Basic types of the host's general plug-in interface, as the plug-ins use them.
 * Plain C: a module built by any compiler can include it. Our own declarations. */
#ifndef STRATA_PLATFORM_AEGP_TYPES_H
#define STRATA_PLATFORM_AEGP_TYPES_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

typedef int32_t A_Err;   /* the host's error type: 0 is success */
typedef int32_t A_long;
typedef uint32_t A_u_long;
typedef int16_t A_short;
typedef unsigned char A_Boolean;
typedef char A_char;
typedef double A_FpLong;

enum {
    A_Err_NONE = 0,
    A_Err_GENERIC = 1,
    A_Err_STRUCT = 2,
    A_Err_PARAMETER = 3,
    A_Err_ALLOC = 4,
    A_Err_MISSING_SUITE = 13
};

/* A time: value / scale seconds. */
typedef struct A_Time {
    A_long value;
    A_u_long scale;
} A_Time;

typedef struct A_Ratio {
    A_long num;
    A_u_long den;
} A_Ratio;

/* Row-major 4x4, points as row vectors, translation in row 3. */
typedef struct A_Matrix4 {
    A_FpLong mat[4][4];
} A_Matrix4;

typedef A_long AEGP_PluginID;
typedef A_long AEGP_Command;
typedef A_long AEGP_LayerIDVal;
typedef A_long AEGP_MenuID;
typedef A_long AEGP_LayerFlags;

typedef struct AEGP_ItemOpaque* AEGP_ItemH;
typedef struct AEGP_CompOpaque* AEGP_CompH;
typedef struct AEGP_LayerOpaque* AEGP_LayerH;
typedef struct AEGP_StreamRefOpaque* AEGP_StreamRefH;
typedef struct AEGP_CollectionOpaque* AEGP_Collection2H;

typedef struct AEGP_GlobalRefconOpaque* AEGP_GlobalRefcon;
typedef struct AEGP_CommandRefconOpaque* AEGP_CommandRefcon;
typedef struct AEGP_UpdateMenuRefconOpaque* AEGP_UpdateMenuRefcon;
typedef struct AEGP_IdleRefconOpaque* AEGP_IdleRefcon;

/* Item types. */
typedef A_short AEGP_ItemType;
enum {
    AEGP_ItemType_NONE = 0,
    AEGP_ItemType_FOLDER = 1,
    AEGP_ItemType_COMP = 2,
    AEGP_ItemType_SOLID = 3,
    AEGP_ItemType_FOOTAGE = 4
};

/* Layer object types. */
typedef A_long AEGP_ObjectType;
enum {
    AEGP_ObjectType_AV = 0,
    AEGP_ObjectType_LIGHT = 1,
    AEGP_ObjectType_CAMERA = 2,
    AEGP_ObjectType_TEXT = 3
};

/* Time modes. */
typedef A_long AEGP_LTimeMode;
enum { AEGP_LTimeMode_LayerTime = 0, AEGP_LTimeMode_CompTime = 1 };

/* Layer flags the plug-ins touch. */
enum {
    AEGP_LayerFlag_NONE = 0,
    /* a camera or light turns itself toward its point of interest */
    AEGP_LayerFlag_AUTO_ORIENT_TO_POI = 0x2000
};

/* Layer stream numbers. */
typedef A_long AEGP_LayerStream;
enum {
    AEGP_LayerStream_ANCHORPOINT = 0, /* a camera's or light's point of interest */
    AEGP_LayerStream_POSITION = 1,
    AEGP_LayerStream_SCALE = 2,
    AEGP_LayerStream_ROTATION = 3, /* Z Rotation */
    AEGP_LayerStream_ROTATE_X = 8,
    AEGP_LayerStream_ROTATE_Y = 9,
    AEGP_LayerStream_ORIENTATION = 10,
    AEGP_LayerStream_ZOOM = 11
};

/* Stream types, as a stream value may report them. */
typedef A_long AEGP_StreamType;
enum {
    AEGP_StreamType_NO_DATA = 0,
    AEGP_StreamType_OneD = 1,
    AEGP_StreamType_ThreeD = 2
};

typedef struct AEGP_ThreeDVal {
    A_FpLong x, y, z;
} AEGP_ThreeDVal;

/* A stream's value: one number or three. */
typedef union AEGP_StreamVal {
    AEGP_ThreeDVal three_d;
    A_FpLong one_d;
} AEGP_StreamVal;

/* The record a plug-in gets for writing: the stream handle, then the value. */
typedef struct AEGP_StreamValue {
    AEGP_StreamRefH streamH;
    AEGP_StreamVal val;
} AEGP_StreamValue;

/* Menus. */
enum { AEGP_Menu_KF_ASSIST = 9 };
enum { AEGP_MENU_INSERT_SORTED = -2, AEGP_MENU_INSERT_AT_BOTTOM = -1, AEGP_MENU_INSERT_AT_TOP = 0 };

/* Hook priorities. */
typedef A_long AEGP_HookPriority;
enum { AEGP_HP_BeforeAE = 1, AEGP_HP_AfterAE = 2 };

typedef A_long AEGP_WindowType;

/* Layer names hold at most this many bytes, the terminating zero included. */
enum { AEGP_MAX_LAYER_NAME_SIZE = 256 };

#ifdef __cplusplus
}
#endif

#endif /* STRATA_PLATFORM_AEGP_TYPES_H */
