/* Resource IDs of the applet and of every language DLL.
 * The numbers are fixed: language DLLs built from other sources carry the
 * same IDs, so never renumber an entry. Shared by C++ code and windres. */
#ifndef VYR_RESOURCE_H
#define VYR_RESOURCE_H

#ifndef IDC_STATIC
#define IDC_STATIC                          (-1)
#endif

/* The framework's own strings (IDS_FRAMEWORK_...) */
#include "framework/framework_ids.h"

/* Icons */
#define IDI_APPLET                          1001
#define IDI_ACTIVE_PROFILE                  1011

/* The applet's manifest: the ID the Control Panel activates */
#define IDR_COMMON_CONTROLS_MANIFEST        123

/* Property pages */
#define IDD_PAGE_CONFIG                     106
#define IDD_PAGE_ENCRYPT                    107
#define IDD_PAGE_STATUS                     108
#define IDD_PAGE_ABOUT                      109
#define IDD_PAGE_POWER                      110

/* Modal dialogs */
#define IDD_PROFILE_NAME                    1003
#define IDD_CONFIGURE_PROFILE               1009
#define IDD_LEAP_USER                       1012
#define IDD_WEP_KEYS                        1013
#define IDD_WPA_KEY                         1014
#define IDD_TLS_USER                        1017
#define IDD_TTLS_USER                       1018
#define IDD_PEAP_USER                       1021
#define IDD_ADVANCED_CONFIG                 1022

/* Status page */
#define IDC_STATUS_LINK_QUALITY             1015
#define IDC_STATUS_SIGNAL_STRENGTH          1016
#define IDC_STATUS_LINK_QUALITY_BAR         1017
#define IDC_STATUS_SIGNAL_STRENGTH_BAR      1018
#define IDC_STATUS_TX_RATE                  1019
#define IDC_STATUS_CHANNEL                  1020
#define IDC_STATUS_STATE                    1021
#define IDC_STATUS_SECURITY                 1022
#define IDC_STATUS_RX_RATE                  1024
#define IDC_STATUS_RADIO                    1030
#define IDC_STATUS_RESCAN                   1031

/* Configuration page */
#define IDC_CONFIG_NEW                      1027
#define IDC_CONFIG_RENAME                   1028
#define IDC_CONFIG_DELETE                   1029
#define IDC_CONFIG_PROFILE_LIST             1081
#define IDC_CONFIG_PROFILES_LABEL           1083
#define IDC_CONFIG_CONFIGURE                1084
#define IDC_CONFIG_ACTIVATE                 1086

/* Security page */
#define IDC_ENCRYPT_DISABLE                 1074
#define IDC_ENCRYPT_WEP                     1077
#define IDC_ENCRYPT_8021X_EAP               1092
#define IDC_ENCRYPT_WPA_EAP                 1093
#define IDC_ENCRYPT_CONFIGURE               1095
#define IDC_ENCRYPT_8021X                   1098
#define IDC_ENCRYPT_WPA                     1099
#define IDC_ENCRYPT_WPA_PSK                 1100
/* focus target named by a refused certificate check; no template carries it */
#define IDC_ENCRYPT_CERTIFICATE             1116
#define IDC_ENCRYPT_PROFILE_LABEL           1118
#define IDC_ENCRYPT_8021X_EAP_LABEL         1141
#define IDC_ENCRYPT_WPA_EAP_LABEL           1142

/* Power page */
#define IDC_POWER_SAVING_LABEL              1038
#define IDC_POWER_TRANSMIT_LABEL            1040
#define IDC_POWER_SAVING                    1042
#define IDC_POWER_TRANSMIT                  1043
#define IDC_POWER_PROFILE_LABEL             1119

/* About page */
#define IDC_ABOUT_DRIVER_VERSION            1056
#define IDC_ABOUT_UTILITY_VERSION           1057
#define IDC_ABOUT_MAC_ADDRESS               1058
#define IDC_ABOUT_REGULATORY_DOMAIN         1059

/* Profile name dialog */
#define IDC_PROFILE_NAME_EDIT               1052
#define IDC_PROFILE_NAME_PROMPT             1053
#define IDC_PROFILE_NAME_LABEL              1054

/* Configure Profile dialog */
#define IDC_CONFIGURE_NETWORK_TYPE          1003
#define IDC_CONFIGURE_WIRELESS_MODE         1044
#define IDC_CONFIGURE_START_BAND            1045
#define IDC_CONFIGURE_TX_RATE               1046
#define IDC_CONFIGURE_NAME1                 1055
#define IDC_CONFIGURE_NAME2                 1056
#define IDC_CONFIGURE_NAME3                 1057
#define IDC_CONFIGURE_START_BAND_LABEL      1059
#define IDC_CONFIGURE_TX_RATE_LABEL         1060
#define IDC_CONFIGURE_WIRELESS_MODE_LABEL   1072
#define IDC_CONFIGURE_NAME2_LABEL           1073
#define IDC_CONFIGURE_NAME3_LABEL           1074
#define IDC_CONFIGURE_NETWORK_TYPE_GROUP    1085
#define IDC_CONFIGURE_NAMES_GROUP           1086
#define IDC_CONFIGURE_NAME1_LABEL           1087
#define IDC_CONFIGURE_WIRELESS_GROUP        1088

/* WEP keys dialog */
#define IDC_WEP_KEY1                        1009
#define IDC_WEP_KEY2                        1010
#define IDC_WEP_KEY3                        1011
#define IDC_WEP_KEY4                        1012
#define IDC_WEP_DEFAULT_KEY                 1013
#define IDC_WEP_KEY1_LENGTH                 1027
#define IDC_WEP_KEY2_LENGTH                 1028
#define IDC_WEP_KEY3_LENGTH                 1029
#define IDC_WEP_KEY4_LENGTH                 1030
#define IDC_WEP_KEY1_LABEL                  1033
#define IDC_WEP_KEY2_LABEL                  1034
#define IDC_WEP_KEY3_LABEL                  1035
#define IDC_WEP_KEY4_LABEL                  1036
#define IDC_WEP_DEFAULT_KEY_LABEL           1037
#define IDC_WEP_GROUP                       1038
#define IDC_WEP_ALPHANUMERIC                1059
#define IDC_WEP_HEX                         1060

/* WPA pre-shared key dialog */
#define IDC_WPA_KEY                         1079
#define IDC_WPA_KEY_LABEL                   1098

/* LEAP user information dialog */
#define IDC_LEAP_USER_NAME                  1014
#define IDC_LEAP_HEADING                    1032
#define IDC_LEAP_USER_NAME_LABEL            1039
#define IDC_LEAP_PASSWORD                   1072
#define IDC_LEAP_CONFIRM                    1073
#define IDC_LEAP_PASSWORD_LABEL             1111
#define IDC_LEAP_CONFIRM_LABEL              1112

/* TLS certificate and user information dialog */
#define IDC_TLS_DOMAIN                      1079
#define IDC_TLS_CERTIFICATE                 1104
#define IDC_TLS_CERTIFICATE_LABEL           1126
#define IDC_TLS_ANY_AUTHORITY               1129
#define IDC_TLS_CHOOSE_AUTHORITY            1130
#define IDC_TLS_DOMAIN_LABEL                1131
#define IDC_TLS_LOGIN                       1132
#define IDC_TLS_LOGIN_LABEL                 1133
#define IDC_TLS_ADVANCED                    1134
#define IDC_TLS_AUTHORITY                   1137

/* TTLS user information dialog */
#define IDC_TTLS_DOMAIN                     1079
#define IDC_TTLS_ANY_AUTHORITY              1129
#define IDC_TTLS_DOMAIN_LABEL               1131
#define IDC_TTLS_LOGIN                      1132
#define IDC_TTLS_LOGIN_LABEL                1133
#define IDC_TTLS_USER_INFO                  1135
#define IDC_TTLS_AUTHORITY                  1137
#define IDC_TTLS_CHOOSE_AUTHORITY           1138

/* PEAP server and MS-CHAPv2 user dialog */
#define IDC_PEAP_SERVER_LABEL               1142
#define IDC_PEAP_ADVANCED                   1143
#define IDC_PEAP_AUTHORITY                  1144
#define IDC_PEAP_USER_NAME                  1145
#define IDC_PEAP_USER_NAME_LABEL            1146
#define IDC_PEAP_PASSWORD_LABEL             1147
#define IDC_PEAP_PASSWORD                   1148
#define IDC_PEAP_CONFIRM_LABEL              1149
#define IDC_PEAP_CONFIRM                    1150
#define IDC_PEAP_USER_HEADING               1151

/* Advanced Configuration dialog (PEAP server or domain, login name) */
#define IDC_ADVANCED_DOMAIN                 1079
#define IDC_ADVANCED_LOGIN                  1132
#define IDC_ADVANCED_DOMAIN_CHECK           1152
#define IDC_ADVANCED_LOGIN_CHECK            1153
#define IDC_ADVANCED_GROUP                  1155

/* Strings: sheet, applet, application title, single-user rule */
#define IDS_SHEET_CAPTION                   1
#define IDS_APPLET                          1001
#define IDS_APP_TITLE                       57344
#define IDS_SYSTRAY_WINDOW                  57350
#define IDS_OTHER_USER_CONFIGURING          57351

/* Strings: profile list, profile names, activation */
#define IDS_NEW_PROFILE_PROMPT              1045
#define IDS_RENAME_PROFILE_PROMPT           1046
#define IDS_NEW_PROFILE_LABEL               1047
#define IDS_RENAME_PROFILE_LABEL            1048
#define IDS_NEW_PROFILE_NAME                1049
#define IDS_CONFIRM_DELETE                  1050
#define IDS_NAME_IN_USE                     1051
#define IDS_NAME_BLANK                      1052
#define IDS_CANNOT_CHANGE_DEFAULT           1053
#define IDS_LAST_PROFILE                    1054
#define IDS_DEFAULT_PROFILE                 1055
#define IDS_NO_SELECTED_PROFILE             1056
#define IDS_NAME_NOT_ALLOWED                57352
#define IDS_CONFIGURE_FAILED                57371
#define IDS_TEMPORARILY_ACTIVATED           57372

/* Strings: Configure Profile lists and check */
#define IDS_NETTYPE_PEER_TO_PEER            1002
#define IDS_NETTYPE_ACCESS_POINT            1003
#define IDS_PEER_TO_PEER_NEEDS_SSID         1019
#define IDS_MODE_AUTO                       1023
#define IDS_MODE_11B                        1024
#define IDS_MODE_11A                        1025
#define IDS_START_BAND_11B                  1036
#define IDS_START_BAND_11A                  1037
/* 802.11g item of both the wireless-mode and the start-band list */
#define IDS_MODE_11G                        57353

/* Strings: Security page and its checks */
#define IDS_NO_KEY_SPECIFIED                1057
#define IDS_LEAP_USER_NAME_EMPTY            1126
#define IDS_LEAP_PASSWORD_EMPTY             1127
#define IDS_EAP_LEAP                        57356
#define IDS_EAP_TLS                         57357
#define IDS_EAP_TTLS                        57358
#define IDS_EAP_PEAP_GTC                    57359
#define IDS_EAP_PEAP                        57360
#define IDS_ENCRYPT_PROFILE_PREFIX          57363

/* Strings: WEP keys dialog */
#define IDS_WEP_LEN_HEX_64                  1004
#define IDS_WEP_LEN_HEX_128                 1005
#define IDS_WEP_LEN_HEX_152                 1006
#define IDS_WEP_UNIQUE_KEY                  1007
#define IDS_WEP_KEY1                        1008
#define IDS_WEP_KEY2                        1009
#define IDS_WEP_KEY3                        1010
#define IDS_WEP_KEY4                        1011
#define IDS_WEP_MASK_HEX_64                 1014
#define IDS_WEP_MASK_HEX_128                1015
#define IDS_WEP_MASK_HEX_152                1016
#define IDS_WEP_KEY_LENGTH_MISMATCH         1017
#define IDS_DEFAULT_KEY_EMPTY               1018
#define IDS_WEP_LEN_CHAR_64                 1081
#define IDS_WEP_LEN_CHAR_128                1082
#define IDS_WEP_LEN_CHAR_152                1083
#define IDS_WEP_MASK_CHAR_64                1084
#define IDS_WEP_MASK_CHAR_128               1085
#define IDS_WEP_MASK_CHAR_152               1086
#define IDS_RESERVED_KEY                    57379

/* Strings: credential dialogs (WPA key, LEAP, TLS, TTLS, PEAP) */
#define IDS_PASSWORD_EMPTY                  57365
#define IDS_PASSPHRASE_LENGTH               57366
#define IDS_USER_NAME_EMPTY                 57368
#define IDS_PASSWORD_MISMATCH               57369
#define IDS_NO_CERTIFICATES                 57370
#define IDS_LOGIN_NAME_EMPTY                57374
#define IDS_DOMAIN_NAME_EMPTY               57378
#define IDS_USER_PASSWORD_MISSING           57380
#define IDS_ANY_AUTHORITY                   58115

/* Strings: Status page */
#define IDS_DISABLE_RADIO                   1012
#define IDS_ENABLE_RADIO                    1013
#define IDS_ENCRYPTION_WEP                  1026
#define IDS_ENCRYPTION_AES                  1027
#define IDS_LINK_WEAK                       1060
#define IDS_LINK_GOOD                       1061
#define IDS_LINK_EXCELLENT                  1062
#define IDS_SIGNAL_WEAK                     1063
#define IDS_SIGNAL_GOOD                     1064
#define IDS_SIGNAL_EXCELLENT                1065
#define IDS_STATE_NOT_JOINED                1066
#define IDS_STATE_JOINED                    1067
#define IDS_STATE_AUTHENTICATED             1068
#define IDS_STATE_ASSOCIATED                1069
#define IDS_STATE_UNKNOWN                   1070
#define IDS_BAND_A                          1073
#define IDS_BAND_B                          1074
#define IDS_BAND_G                          1075
#define IDS_BAND_UNKNOWN                    1076
#define IDS_ENCRYPTION_NONE                 1080
#define IDS_DRIVER_NOT_INSTALLED            57355
#define IDS_PROPERTY_SHEET_ERROR            57367
/* encryption type 3 has a text of its own, equal to that of type 2 */
#define IDS_ENCRYPTION_AES_ALT              57381
#define IDS_ENCRYPTION_CKIP                 58112
#define IDS_ENCRYPTION_TKIP                 58113
#define IDS_CHANNEL_SCANNING                58114
#define IDS_PERMISSIONS_NOT_SET             58116

/* Strings: Power page */
#define IDS_POWER_SAVE_OFF                  1020
#define IDS_POWER_SAVE_NORMAL               1021
#define IDS_POWER_SAVE_MAXIMUM              1022
#define IDS_TX_POWER_FULL                   1029
#define IDS_TX_POWER_50                     1030
#define IDS_TX_POWER_25                     1031
#define IDS_TX_POWER_12                     1032
#define IDS_TX_POWER_LOWEST                 1033
#define IDS_POWER_PROFILE_PREFIX            57364

/* Strings: About page line prefixes */
#define IDS_ABOUT_DRIVER_VERSION            1077
#define IDS_ABOUT_UTILITY_VERSION           1078
#define IDS_ABOUT_MAC_ADDRESS               1079
#define IDS_ABOUT_REGULATORY_DOMAIN         57345

#endif /* VYR_RESOURCE_H */
