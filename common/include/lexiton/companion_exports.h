// The entry points of the outside companion libraries as they are bound by name: the pointer
// hook "ptrhook.dll", the text reader "textgrab.dll" and the local dictionary engine
// "dictcore.dll", which the host binds, and the speech library "voicer.dll", which the look-up
// libraries bind. Stand-ins and real companions are built against this header. Everything is
// caller-cleans-up (cdecl) except SetupHook, which cleans up its own arguments (stdcall).
#pragma once

#include <lexiton/abi.h>

#ifdef _WIN32
#define LX_COMPANION_CDECL __cdecl
#define LX_COMPANION_STDCALL __stdcall
#else
#define LX_COMPANION_CDECL
#define LX_COMPANION_STDCALL
#endif

#ifdef __cplusplus
extern "C" {
#endif

// ptrhook.dll: from SetupHook on, pointer moves and key presses are posted to `window`.
// The messages it receives: a move (wParam x, lParam y, screen coordinates) and a key press
// (wParam the character, 0 for a key that gives none).
#define LX_HOOK_POINTER_MOVED (0x0400 + 100)
#define LX_HOOK_KEY_PRESSED (0x0400 + 101)
// Windows does not say which process injected an input event. Code in the host's process marks
// what it injects with this extra-information value, and the hook ignores injected events that
// carry it, so the host never reacts to its own input.
#define LX_HOST_INJECTED_INPUT 0x4C584E49u
typedef int(LX_COMPANION_STDCALL* SetupHookFn)(void* window, void* hookModule);
typedef int(LX_COMPANION_CDECL* ReleaseHookFn)(void);

// textgrab.dll: the text around a screen point; `buffer` holds `size` wide characters.
typedef int(LX_COMPANION_CDECL* GetMWord9WExFn)(int x, int y, int reach, uint16_t* buffer, int size,
                                                int* cursor);
typedef int(LX_COMPANION_CDECL* GetIE4WExFn)(int x, int y, int reach, uint16_t* buffer, int size, int* cursor,
                                             char* source, int sourceSize);
typedef int(LX_COMPANION_CDECL* MakeTidyFn)(const LxWideString* pending, uint16_t* buffer, int size,
                                            int* cursor);

// dictcore.dll: the local dictionary. InitModule answers -1 on failure.
typedef int(LX_COMPANION_CDECL* LookupRIFFWFn)(const uint16_t* text, int mode, LxByteArray* result,
                                               int* first, int* second, const char* notFoundText,
                                               uint8_t* flag);
typedef int(LX_COMPANION_CDECL* InitModuleFn)(void);
typedef int(LX_COMPANION_CDECL* EndModuleFn)(void);
typedef int(LX_COMPANION_CDECL* DictConfigFn)(int language, void* ownerWindow, int mode);
typedef int(LX_COMPANION_CDECL* GetOpenDictsFn)(char* buffer, int size);

// voicer.dll: the speech library, bound by the look-up libraries (not the host). Speak queues
// a text in the system code page for the source-language (0) or target-language (1) voice and
// returns at once; ResetSpeak drops what is queued.
typedef void(LX_COMPANION_CDECL* SpeakFn)(const char* text, int language);
typedef void(LX_COMPANION_CDECL* ResetSpeakFn)(void);

#ifdef __cplusplus
}
#endif
