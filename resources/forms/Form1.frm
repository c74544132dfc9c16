// The game's window: every control, its place and its settings, read in
// this order when the window is created. Positions are relative to the
// parent; fonts are face, height in pixels (negative: character height)
// and style; colours are $00BBGGRR.
object Form1: TForm1
  Left = 192
  Top = 106
  ClientWidth = 450
  ClientHeight = 390
  Color = clBtnFace
  Font.Name = 'MS Sans Serif'
  Font.Height = -11
  Caption = 'Form1'
  OnCreate = FormCreate
  object CaptionPanel: TStyledPanel
    Left = -1
    Top = 0
    Width = 451
    Height = 404
    Anchors = [akLeft, akTop, akRight, akBottom]
    BevelOuter = bvNone
    Font.Name = 'MS Sans Serif'
    Font.Height = -11
    Font.Color = $00723708
    Caption.Visible = True
    Caption.Text = '<FONT face="Arial">Lumora 1.1</FONT> - find the words hidden in the cross'
    Caption.Font.Color = clWhite
    Caption.GradientDirection = gdVertical
    Caption.Indent = 2
    FullHeight = 404
    Styler = PanelStyler1
    OnMouseDown = CaptionPanelMouseDown
    object CloseGlowButton: TGlowButton
      Left = 430
      Top = 0
      Width = 16
      Height = 16
      Anchors = [akTop, akRight]
      Picture.Data = @images/close.bmp
      AccessibleName = 'Close'
      OnClick = CloseGlowButtonClick
    end
    object MinimizeGlowButton: TGlowButton
      Left = 413
      Top = 0
      Width = 16
      Height = 16
      Anchors = [akTop, akRight]
      Picture.Data = @images/minimize.bmp
      AccessibleName = 'Minimize'
      OnClick = MinimizeGlowButtonClick
    end
    object ScoreLabel1: TSmoothLabel
      Left = 10
      Top = 30
      Width = 47
      Height = 22
      Caption.Text = 'Score:'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object ScoreLabel: TSmoothLabel
      AccessibleDescription = 'Score'
      Left = 58
      Top = 30
      Width = 40
      Height = 22
      Caption.Text = '0'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object PotentialWordsLabel1: TSmoothLabel
      Left = 178
      Top = 18
      Width = 111
      Height = 22
      Caption.Text = 'Potential Words:'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object WordsLabel1: TSmoothLabel
      Left = 178
      Top = 38
      Width = 50
      Height = 22
      Caption.Text = 'Words:'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object NumWordsLabel: TSmoothLabel
      AccessibleDescription = 'Words found'
      Left = 222
      Top = 38
      Width = 33
      Height = 22
      Caption.Text = '0'
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object SlashLabel: TSmoothLabel
      Left = 247
      Top = 37
      Width = 16
      Height = 22
      Caption.Text = '/'
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object PotentialWordsLabel: TSmoothLabel
      AccessibleDescription = 'Potential words'
      Left = 256
      Top = 38
      Width = 31
      Height = 22
      Caption.Text = '0'
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object CrossButton1: TGlowButton
      Left = 120
      Top = 74
      Width = 48
      Height = 48
      Caption = ''
      Font.Name = 'MS Sans Serif'
      Font.Height = -19
      Font.Style = [fsBold]
      Font.Color = clGreen
      AccessibleDescription = 'center letter'
      GroupIndex = 1
      AllowAllUp = True
      OnClick = CrossButton1Click
    end
    object CrossButton2: TGlowButton
      Left = 120
      Top = 26
      Width = 48
      Height = 48
      Caption = ''
      Font.Name = 'MS Sans Serif'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = $00723708
      GroupIndex = 5
      AllowAllUp = True
      OnClick = CrossButton2Click
    end
    object CrossButton3: TGlowButton
      Left = 120
      Top = 122
      Width = 48
      Height = 48
      Caption = ''
      Font.Name = 'MS Sans Serif'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = $00723708
      GroupIndex = 2
      AllowAllUp = True
      OnClick = CrossButton3Click
    end
    object CrossButton4: TGlowButton
      Left = 120
      Top = 170
      Width = 48
      Height = 48
      Caption = ''
      Font.Name = 'MS Sans Serif'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = $00723708
      GroupIndex = 3
      AllowAllUp = True
      OnClick = CrossButton4Click
    end
    object CrossButton5: TGlowButton
      Left = 120
      Top = 218
      Width = 48
      Height = 48
      Caption = ''
      Font.Name = 'MS Sans Serif'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = $00723708
      GroupIndex = 4
      AllowAllUp = True
      OnClick = CrossButton5Click
    end
    object CrossButton6: TGlowButton
      Left = 24
      Top = 74
      Width = 48
      Height = 48
      Caption = ''
      Font.Name = 'MS Sans Serif'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = $00723708
      GroupIndex = 6
      AllowAllUp = True
      OnClick = CrossButton6Click
    end
    object CrossButton7: TGlowButton
      Left = 72
      Top = 74
      Width = 48
      Height = 48
      Caption = ''
      Font.Name = 'MS Sans Serif'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = $00723708
      GroupIndex = 7
      AllowAllUp = True
      OnClick = CrossButton7Click
    end
    object CrossButton8: TGlowButton
      Left = 168
      Top = 74
      Width = 48
      Height = 48
      Caption = ''
      Font.Name = 'MS Sans Serif'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = $00723708
      GroupIndex = 8
      AllowAllUp = True
      OnClick = CrossButton8Click
    end
    object CrossButton9: TGlowButton
      Left = 216
      Top = 74
      Width = 48
      Height = 48
      Caption = ''
      Font.Name = 'MS Sans Serif'
      Font.Height = -17
      Font.Style = [fsBold]
      Font.Color = $00723708
      GroupIndex = 9
      AllowAllUp = True
      OnClick = CrossButton9Click
    end
    object WordLabel1: TSmoothLabel
      Left = 64
      Top = 272
      Width = 95
      Height = 22
      Caption.Text = 'Current Word:'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object CurrentWordLabel: TSmoothLabel
      AccessibleDescription = 'Current word'
      Left = 64
      Top = 292
      Width = 164
      Height = 33
      Caption.Text = ''
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -23
      Caption.Font.Style = [fsBold]
    end
    object ClearButton: TGlowButton
      Left = 4
      Top = 280
      Width = 52
      Height = 42
      Caption = 'Clear Word'
      Font.Name = 'MS Sans Serif'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = $00723708
      OnClick = ClearButtonClick
    end
    object BackSpaceButton: TGlowButton
      Left = 233
      Top = 280
      Width = 52
      Height = 42
      Caption = '< Back Space'
      Font.Name = 'MS Sans Serif'
      Font.Height = -12
      Font.Style = [fsBold]
      Font.Color = $00723708
      OnClick = BackSpaceButtonClick
    end
    object GenerateLettersButton: TGlowButton
      Left = 4
      Top = 328
      Width = 120
      Height = 32
      Caption = 'New Puzzle'
      Font.Name = 'MS Sans Serif'
      Font.Height = -11
      Font.Style = [fsBold]
      Font.Color = $00723708
      OnClick = GenerateLettersButtonClick
    end
    object QuitButton: TGlowButton
      Left = 164
      Top = 328
      Width = 120
      Height = 32
      Caption = 'Quit (Show Words)'
      Font.Name = 'MS Sans Serif'
      Font.Height = -11
      Font.Style = [fsBold]
      Font.Color = $00723708
      OnClick = QuitButtonClick
    end
    object GuessedWordsGrid: TStyledStringGrid
      Left = 288
      Top = 17
      Width = 161
      Height = 344
      Anchors = [akLeft, akTop, akBottom]
      ColCount = 1
      FixedCols = 0
      FixedRows = 0
      RowCount = 100
      DefaultColWidth = 140
      DefaultRowHeight = 20
      ScrollBars = ssBoth
      Font.Name = 'Arial'
      Font.Height = -15
      Font.Style = [fsBold]
      Font.Color = $00723708
      GridLineColor = $00E5D7D0
      ActiveCellColor = $009DD8F9
      ActiveCellColorTo = $005EC1F1
      SelectionColor = $005EC1F1
      OnGetCellColor = GuessedWordsGridGetCellColor
      OnGetCellAccessibleText = GuessedWordsGridGetCellAccessibleText
      OnGetCellAccessibleDescription = GuessedWordsGridGetCellAccessibleDescription
      AccessibleName = 'Potential Words'
    end
    object StatusPanel: TStyledPanel
      Left = -1
      Top = 362
      Width = 451
      Height = 28
      Anchors = [akLeft, akRight, akBottom]
      BevelOuter = bvNone
      Font.Name = 'MS Sans Serif'
      Font.Height = -11
      Font.Color = $00723708
      object SoundCheckBox: TOfficeCheckBox
        Left = 4
        Top = -2
        Width = 176
        Height = 22
        Alignment = taLeftJustify
        Caption = 'Play Sounds   Theme:'
        AccessibleName = 'Play Sounds'
        Checked = True
        Font.Name = 'MS Sans Serif'
        Font.Height = -15
        Font.Style = [fsBold]
        Font.Color = $00723708
      end
      object VisualStyleSelector: TOfficeSelector
        Left = 180
        Top = 0
        Width = 116
        Height = 20
        Color = clWhite
        Font.Name = 'Arial'
        Font.Height = -13
        Font.Style = [fsBold]
        Font.Color = clBlack
        ItemHeight = 15
        DisplayRecentSelection = False
        Items = ( 'Luna' 'Moonlight' 'Obsidian' 'Blue' 'Chrome' 'Olive' 'Silver' 'Sandy' 'Flat' )
        ItemIndex = 0
        OnSelect = VisualStyleSelectorSelect
        AccessibleDescription = 'Theme'
      end
      object HowToPlayButton: TGlowButton
        Left = 300
        Top = 0
        Width = 70
        Height = 24
        Caption = 'How To Play'
        OnClick = HowToPlayButtonClick
      end
      object wwwButton: TGlowButton
        Left = 374
        Top = 0
        Width = 70
        Height = 24
        Caption = 'pellamar'
        OnClick = wwwButtonClick
      end
    end
    object LettersLabel: TLabel
      Left = -250
      Top = 96
      Width = 118
      Height = 24
      Caption = 'ABCDEFGHI'
      Font.Name = 'MS Sans Serif'
      Font.Height = -20
      Font.Style = [fsBold]
    end
    object Label2: TLabel
      Left = -250
      Top = 128
      Width = 18
      Height = 13
      Caption = '000'
    end
    object Panel2: TPanel
      Left = -250
      Top = 0
      Width = 220
      Height = 721
      object Label1: TLabel
        Left = 16
        Top = 8
        Width = 43
        Height = 13
        Caption = 'Words: 0'
      end
      object WordsGrid: TStringGrid
        Left = 10
        Top = 24
        Width = 201
        Height = 693
        ColCount = 1
        FixedCols = 0
        FixedRows = 0
        RowCount = 100
        DefaultColWidth = 178
      end
    end
    object Panel3: TPanel
      Left = -250
      Top = 0
      Width = 220
      Height = 721
      object PossibleWordsLabel: TLabel
        Left = 16
        Top = 8
        Width = 43
        Height = 13
        Caption = 'Words: 0'
      end
      object PossibleWordsGrid: TStringGrid
        Left = 10
        Top = 24
        Width = 201
        Height = 693
        ColCount = 1
        FixedCols = 0
        FixedRows = 0
        RowCount = 100
        DefaultColWidth = 178
      end
    end
    object InstallPanel: TStyledPanel
      Left = -1000
      Top = 16
      Width = 460
      Height = 377
      Anchors = [akLeft, akTop, akRight, akBottom]
      BevelOuter = bvNone
      Styler = PanelStyler1
      object InstallLabel1: TSmoothLabel
        Left = 4
        Top = 8
        Width = 446
        Height = 22
        Caption.Text = ''
        Caption.Location = plCenterLeft
        Caption.Font.Name = 'Tahoma'
        Caption.Font.Height = -11
        Caption.ColorStart = clGray
        Caption.ColorEnd = clBlack
      end
      object InstallLabel2: TSmoothLabel
        Left = 4
        Top = 38
        Width = 446
        Height = 22
        Caption.Text = ''
        Caption.Location = plCenterLeft
        Caption.Font.Name = 'Tahoma'
        Caption.Font.Height = -11
        Caption.ColorStart = clGray
        Caption.ColorEnd = clBlack
      end
      object InstallLabel3: TSmoothLabel
        Left = 4
        Top = 68
        Width = 446
        Height = 22
        Caption.Text = ''
        Caption.Location = plCenterLeft
        Caption.Font.Name = 'Tahoma'
        Caption.Font.Height = -11
        Caption.ColorStart = clGray
        Caption.ColorEnd = clBlack
      end
      object InstallLabel4: TSmoothLabel
        Left = 4
        Top = 112
        Width = 446
        Height = 22
        Caption.Text = 'If you wish this installer to create an icon on your desktop check the box bellow.'
        Caption.Location = plCenterLeft
        Caption.Font.Name = 'Tahoma'
        Caption.Font.Height = -11
        Caption.ColorStart = clGray
        Caption.ColorEnd = clBlack
      end
      object CreateDesktopShortcut: TOfficeCheckBox
        Left = 80
        Top = 130
        Width = 361
        Height = 22
        Alignment = taLeftJustify
        Caption = 'Create a shortcut on the Desktop.'
        Checked = True
        Font.Name = 'MS Sans Serif'
        Font.Height = -15
        Font.Style = [fsBold]
        Font.Color = $00723708
      end
      object InstallLabel5: TSmoothLabel
        Left = 4
        Top = 174
        Width = 446
        Height = 22
        Caption.Text = 'Lumora will be installed in the following folder, click the button bellow to change it.'
        Caption.Location = plCenterLeft
        Caption.Font.Name = 'Tahoma'
        Caption.Font.Height = -11
        Caption.ColorStart = clGray
        Caption.ColorEnd = clBlack
      end
      // Its text, the default install folder, is set when the installer starts.
      object Location: TStyledEdit
        Left = 8
        Top = 200
        Width = 369
        Height = 21
        Color = clWindow
        Font.Name = 'MS Sans Serif'
        Font.Height = -11
        Font.Color = $00723708
      end
      object SelectInstallDirButton: TGlowButton
        Left = 382
        Top = 198
        Width = 64
        Height = 25
        Caption = 'Change'
        Font.Name = 'MS Sans Serif'
        Font.Height = -11
        Font.Style = [fsBold]
        Font.Color = clBlack
        OnClick = SelectInstallDirButtonClick
      end
      object InstallLabel6: TSmoothLabel
        Left = 10
        Top = 246
        Width = 440
        Height = 22
        Caption.Text = 'Click Install, or Cancel.'
        Caption.Location = plCenterLeft
        Caption.Font.Name = 'Tahoma'
        Caption.Font.Height = -13
        Caption.ColorStart = clGray
        Caption.ColorEnd = clBlack
      end
      object GlowButton1: TGlowButton
        Left = 4
        Top = 272
        Width = 446
        Height = 37
        Caption = 'Install'
        Font.Name = 'MS Sans Serif'
        Font.Height = -11
        Font.Style = [fsBold]
        Font.Color = clBlack
        OnClick = GlowButton1Click
      end
      object GlowButton2: TGlowButton
        Left = 4
        Top = 328
        Width = 446
        Height = 37
        Caption = 'Cancel'
        Font.Name = 'MS Sans Serif'
        Font.Height = -11
        Font.Style = [fsBold]
        Font.Color = clBlack
        OnClick = GlowButton2Click
      end
    end
    object UninstallPanel: TStyledPanel
      Left = -10000
      Top = 18
      Width = 449
      Height = 375
      Anchors = [akLeft, akTop, akRight, akBottom]
      BevelOuter = bvNone
      Styler = PanelStyler1
      object SmoothLabel2: TSmoothLabel
        Left = 3
        Top = 30
        Width = 446
        Height = 22
        Caption.Text = 'Thank you for using Lumora, I hope you enjoyed it.'
        Caption.Location = plCenterLeft
        Caption.Font.Name = 'Tahoma'
        Caption.Font.Height = -15
        Caption.Font.Style = [fsBold]
        Caption.ColorStart = clGray
        Caption.ColorEnd = clBlack
      end
      object SmoothLabel1: TSmoothLabel
        Left = 3
        Top = 136
        Width = 446
        Height = 22
        Caption.Text = 'To Uninstall Lumora, simply click Uninstall below.'
        Caption.Location = plCenterLeft
        Caption.Font.Name = 'Tahoma'
        Caption.Font.Height = -15
        Caption.Font.Style = [fsBold]
        Caption.ColorStart = clGray
        Caption.ColorEnd = clBlack
      end
      object UnistallButton: TGlowButton
        Left = 3
        Top = 232
        Width = 446
        Height = 125
        Caption = 'Uninstall'
        Font.Name = 'MS Sans Serif'
        Font.Height = -11
        Font.Style = [fsBold]
        Font.Color = clBlack
        OnClick = UnistallButtonClick
      end
    end
  end
  object InstructionsPanel: TStyledPanel
    Left = -10000
    Top = 18
    Width = 450
    Height = 344
    BevelOuter = bvNone
    Styler = PanelStyler1
    Font.Name = 'MS Sans Serif'
    Font.Height = -11
    Font.Color = $00723708
    object InstructionsLabel1: TSmoothLabel
      Left = 8
      Top = 8
      Width = 440
      Height = 22
      Caption.Text = 'In Lumora, your goal will be to reveal words from the Bible.'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object InstructionsLabel2: TSmoothLabel
      Left = 8
      Top = 38
      Width = 440
      Height = 22
      Caption.Text = 'Click the letters in the cross to make a word. Clear Word will clear it.'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object InstructionsLabel3: TSmoothLabel
      Left = 8
      Top = 68
      Width = 440
      Height = 22
      Caption.Text = 'You may only use a letter in a section of the cross once per word.'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object InstructionsLabel4: TSmoothLabel
      Left = 8
      Top = 98
      Width = 440
      Height = 22
      Caption.Text = 'And you must use the letter in the center of the cross.'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object InstructionsLabel5: TSmoothLabel
      Left = 8
      Top = 128
      Width = 440
      Height = 22
      Caption.Text = 'Potential words will show up in a scrollable list as stared out words.'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object InstructionsLabel6: TSmoothLabel
      Left = 8
      Top = 158
      Width = 440
      Height = 22
      Caption.Text = 'As you enter each stared out word, it will be revealed in the list.'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object InstructionsLabel7: TSmoothLabel
      Left = 8
      Top = 188
      Width = 440
      Height = 22
      Caption.Text = 'If you decide to give up, click the Quit button to see all of the words.'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object InstructionsLabel8: TSmoothLabel
      Left = 8
      Top = 218
      Width = 440
      Height = 22
      Caption.Text = 'Valid words must be 4 letters or more, and only Bible words will count.'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object InstructionsLabel9: TSmoothLabel
      Left = 8
      Top = 248
      Width = 440
      Height = 22
      Caption.Text = 'These words are taken from a modern Bible translation, not the KJV.'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object InstructionsLabel10: TSmoothLabel
      Left = 10
      Top = 278
      Width = 440
      Height = 22
      Caption.Text = 'Click on New Puzzle in the lower left to start a new game.'
      Caption.Location = plCenterLeft
      Caption.Font.Name = 'Tahoma'
      Caption.Font.Height = -13
    end
    object InstructionsCloseButton: TGlowButton
      Left = 4
      Top = 308
      Width = 446
      Height = 25
      Caption = 'Close'
      OnClick = InstructionsCloseButtonClick
    end
  end
  object PanelStyler1: TPanelStyler
    Style = psOffice2007Obsidian
  end
  object AppStyler1: TAppStyler
    AutoThemeAdapt = False
    Style = tsOffice2007Obsidian
  end
  // Last, so that its style reaches every control above while loading.
  object FormStyler1: TFormStyler
    AutoThemeAdapt = False
    AppStyle = AppStyler1
    Style = tsOffice2007Obsidian
  end
end
