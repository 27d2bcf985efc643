// Control and command ids of the phone book window (template 105) and its dialogs.
#pragma once

namespace telvane::phonebook::window_ids {

// Template 105.
inline constexpr int kBookList = 1026;
inline constexpr int kBookSelector = 1106;
inline constexpr int kOwnNumbers[] = {1027, 1028, 1029, 1030, 1213, 1214};
inline constexpr int kRedbookList = 1031;
inline constexpr int kOutgoingCalls = 1032;
inline constexpr int kIncomingCalls = 1033;
inline constexpr int kAcceptedCalls = 1034;
inline constexpr int kCentreNumber = 1035;
inline constexpr int kSetCentre = 1159;
inline constexpr int kClearOutgoing = 1011;
inline constexpr int kEntryCount = 1160;
inline constexpr int kLastPosition = 1161;
inline constexpr int kProgress = 1220;

// Pop-up menus: the phone book list's, then one per list named after it.
inline constexpr int kBookMenu = 106;

// Commands of the pop-up menus.
inline constexpr int kSendSms = 40004;
inline constexpr int kNewEntry = 40005;
inline constexpr int kModifyEntry = 40006;
inline constexpr int kDeleteEntry = 40016;
inline constexpr int kCall = 40007;
inline constexpr int kCallBackIncoming = 40008;
inline constexpr int kCallBackOutgoing = 40009;
inline constexpr int kCallBackAccepted = 40010;
inline constexpr int kHangUp = 40011;
inline constexpr int kRedial = 40012;
inline constexpr int kPrint = 40013;
inline constexpr int kExportCsv = 40014;
inline constexpr int kExportXml = 40051;
inline constexpr int kExportVcard = 40048;
inline constexpr int kImport = 40019;
inline constexpr int kSaveExternal = 40040;
inline constexpr int kNormalise = 40039;
inline constexpr int kMulticastSms = 40022;
inline constexpr int kDeleteBook = 40046;
inline constexpr int kCopyOutgoing = 40033;
inline constexpr int kCopyAccepted = 40035;
inline constexpr int kCopyIncoming = 40036;
inline constexpr int kSendRedbookSms = 40038;

// Entry dialog (template 110) and PIN2 dialog (template 137).
inline constexpr int kEntryName = 1056;
inline constexpr int kEntryNumber = 1058;
inline constexpr int kPin2 = 1110;

// Address dialog (template 163).
inline constexpr int kLastName = 1266;
inline constexpr int kFirstName = 1267;
inline constexpr int kCompany = 1278;
inline constexpr int kStreet = 1268;
inline constexpr int kCity = 1270;
inline constexpr int kState = 1271;
inline constexpr int kPostalCode = 1269;
inline constexpr int kCountry = 1272;
inline constexpr int kHome = 1273;
inline constexpr int kWork = 1274;
inline constexpr int kCell = 1275;
inline constexpr int kFax = 1279;
inline constexpr int kEmail = 1043;
inline constexpr int kWeb = 1277;
inline constexpr int kVip = 1280;

}  // namespace telvane::phonebook::window_ids
