/* Counts the GDI objects and the windows of another process of this Wine prefix:
 *
 *   gdicount.exe <pid>   ->  "gdi <n> windows <m> types <type>:<count>,..."
 *
 * GetGuiResources is a stub under Wine, so the GDI count comes from the
 * process's handle table: the PEB points at it (GdiSharedHandleTable), each
 * entry is 24 bytes with the object type in byte 14, zero for a free slot.
 * Stock objects are left out: every process has the same ones. On Windows use
 * GetGuiResources instead. */
#include "console_out.h"
#include <stdlib.h>
#include <winternl.h>

enum { kTableEntries = 0x10000, kEntrySize = 24, kTypeOffset = 14, kUniqueOffset = 12,
       kStockFlag = 0x80, kPebGdiTableOffset = 0xF8 };

typedef NTSTATUS(NTAPI *QueryInformationProcess)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);

static DWORD target_pid;

static BOOL CALLBACK count_child(HWND window, LPARAM count)
{
    (void)window;
    ++*(int *)count;
    return TRUE;
}

static BOOL CALLBACK count_top(HWND window, LPARAM count)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid == target_pid) {
        ++*(int *)count;
        EnumChildWindows(window, count_child, count);
    }
    return TRUE;
}

static unsigned char *read_handle_table(HANDLE process)
{
    QueryInformationProcess query = (QueryInformationProcess)(void (*)(void))GetProcAddress(
        GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess");
    PROCESS_BASIC_INFORMATION basic;
    if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, NULL) != 0)
        return NULL;
    ULONG_PTR table_address = 0;
    if (!ReadProcessMemory(process, (const char *)basic.PebBaseAddress + kPebGdiTableOffset,
                           &table_address, sizeof table_address, NULL) || !table_address)
        return NULL;
    size_t size = (size_t)kTableEntries * kEntrySize;
    unsigned char *table = calloc(1, size);
    /* Read page-sized pieces so that an uncommitted tail only ends the table. */
    for (size_t offset = 0; table && offset < size; offset += 4096)
        if (!ReadProcessMemory(process, (const void *)(table_address + offset), table + offset, 4096, NULL))
            break;
    return table;
}

int wmain(int argc, wchar_t **argv)
{
    if (argc != 2 || (target_pid = wcstoul(argv[1], NULL, 0)) == 0) {
        outf(L"usage: gdicount.exe <pid>\n");
        return 2;
    }
    HANDLE process = OpenProcess(PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, target_pid);
    if (!process) {
        outf(L"gdicount: cannot open process %lu (%lu)\n", target_pid, GetLastError());
        return 1;
    }
    unsigned char *table = read_handle_table(process);
    CloseHandle(process);
    if (!table) {
        outf(L"gdicount: cannot read the GDI handle table of %lu\n", target_pid);
        return 1;
    }
    int per_type[256] = {0};
    int total = 0;
    for (size_t i = 0; i < kTableEntries; ++i) {
        const unsigned char *entry = table + i * kEntrySize;
        unsigned char type = entry[kTypeOffset];
        if (type == 0 || (entry[kUniqueOffset] & kStockFlag))
            continue;
        ++per_type[type];
        ++total;
    }
    free(table);

    int windows = 0;
    EnumWindows(count_top, (LPARAM)&windows);

    outf(L"gdi %d windows %d types", total, windows);
    const wchar_t *separator = L" ";
    for (int type = 1; type < 256; ++type) {
        if (per_type[type]) {
            outf(L"%ls%#x:%d", separator, type, per_type[type]);
            separator = L",";
        }
    }
    outf(L"\n");
    return 0;
}
