1VERSION 1.0
Begin Form frmShowcase
   Caption         =   "vntab showcase"
   ScaleMode       =   1
   ClientWidth     =   7200
   ClientHeight    =   5400
   BeginProperty Font
      Name            =   "MS Sans Serif"
      Size            =   8.25
      Charset         =   0
      Weight          =   400
      Underline       =   0   'False
      Italic          =   0   'False
      Strikethrough   =   0   'False
   EndProperty
   Begin VNTabCtl VNTabCtl1
      Left            =   120
      Top             =   120
      Width           =   6960
      Height          =   5160
      TabActiveBold   =   -1  'True
      BeginProperty TabCaptionFont
         Name            =   "Arial"
         Size            =   9
         Charset         =   0
         Weight          =   400
         Underline       =   0   'False
         Italic          =   0   'False
         Strikethrough   =   0   'False
      EndProperty
      TabHeight       =   24
      TabRows         =   2
      TabStyle        =   1
      TabWidth        =   110
      DrawTabRowSeparation = 22
      NumTabs         =   6
      TabCaption1     =   "&General"
      Tab1Control1Name =  "lblName"
      Tab1Control2Name =  "txtName"
      Tab1CtlCount    =   2
      TabCaption2     =   "&Layout"
      Tab2Control1Name =  "chkRows"
      Tab2CtlCount    =   1
      TabBackColor3   =   &H00C0E0FF&
      TabCaption3     =   "&Colours"
      TabForeColor3   =   &H00800000&
      Tab3CtlCount    =   0
      TabCaption4     =   "&Pictures"
      Tab4CtlCount    =   0
      TabCaption5     =   "Fo&nts"
      Tab5CtlCount    =   0
      TabCaption6     =   "A&bout"
      TabKey6         =   "about"
      Tab6CtlCount    =   0
      Begin Label lblName
         Left            =   -74640
         Top             =   1080
         Width           =   1200
         Height          =   255
         Caption         =   "&Name:"
      End
      Begin TextBox txtName
         Left            =   -73320
         Top             =   1040
         Width           =   2400
         Height          =   315
         Text            =   "Kelmora"
      End
      Begin CheckBox chkRows
         Left            =   -74640
         Top             =   1080
         Width           =   2400
         Height          =   255
         Caption         =   "Rows &follow the active tab"
         Value           =   1
      End
   End
End
