<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>Album</name>
    <message>
        <source>・</source>
        <extracomment>Between the items of a short list (sides, holders).</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>合計</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>%1×%2</source>
        <translation>%1 ×%2</translation>
    </message>
    <message>
        <source>マスターなら%1</source>
        <translation>As master: %1</translation>
    </message>
    <message>
        <source>誰も持っていない</source>
        <translation>Nobody has it</translation>
    </message>
    <message>
        <source>持っているカード %1種類／%2種類&#x3000;合計 %3枚</source>
        <translation>Kinds owned: %1 of %2   Cards: %3</translation>
    </message>
    <message>
        <source>#%1&#x3000;%2</source>
        <translation>#%1  %2</translation>
    </message>
    <message>
        <source>持っている %1枚</source>
        <translation>Owned: %1</translation>
    </message>
    <message>
        <source>持っていない</source>
        <translation>Not owned</translation>
    </message>
    <message>
        <source>未</source>
        <translation>E</translation>
    </message>
    <message>
        <source>対戦</source>
        <translation>Duels</translation>
    </message>
    <message>
        <source>勝ち</source>
        <translation>Wins</translation>
    </message>
    <message>
        <source>負け</source>
        <translation>Losses</translation>
    </message>
    <message>
        <source>引分</source>
        <translation>Draws</translation>
    </message>
    <message>
        <source>完勝</source>
        <translation>Perfect</translation>
    </message>
    <message>
        <source>完敗</source>
        <translation>Wiped</translation>
    </message>
    <message>
        <source>獲得</source>
        <translation>Cards+</translation>
    </message>
    <message>
        <source>喪失</source>
        <translation>Cards−</translation>
    </message>
    <message>
        <source>ヒント</source>
        <translation>Hints</translation>
    </message>
    <message>
        <source>カードアルバム&#x3000;※マスター</source>
        <translation>Card Album  ※Master</translation>
    </message>
    <message>
        <source>カードアルバム</source>
        <translation>Card Album</translation>
    </message>
    <message>
        <source>マスターだけが出会える</source>
        <translation>Only a master meets it</translation>
    </message>
    <message>
        <source>エンディングの一覧に載る（あと%1種類）</source>
        <translation>Listed at the ending (%1 kinds to go)</translation>
    </message>
    <message>
        <source>辺は上・右・下・左</source>
        <translation>Sides: top, right, bottom, left</translation>
    </message>
    <message>
        <source>対戦成績</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>完勝・完敗は5対0（不戦敗は完敗）、獲得・喪失はカードの枚数</source>
        <translation>Perfect / Wiped: 5 to 0 (a forfeit counts as wiped); Cards+ / Cards−: cards won and lost</translation>
    </message>
    <message>
        <source>記録を保存できません: </source>
        <translation>The record cannot be saved: </translation>
    </message>
    <message>
        <source>相手</source>
        <translation>Opponent</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>アルバム</source>
        <translation>Album</translation>
    </message>
    <message>
        <source>カードアルバムと対戦成績（A キー）</source>
        <translation>Card album and record of duels (A key)</translation>
    </message>
    <message>
        <source>正確さ</source>
        <translation>Accur.</translation>
    </message>
    <message>
        <source>悪手</source>
        <translation>Mist.</translation>
    </message>
    <message>
        <source>大悪手</source>
        <translation>Blund.</translation>
    </message>
    <message>
        <source>対戦の記録</source>
        <translation>Recorded duels</translation>
    </message>
    <message>
        <source>記録した対戦を振り返る（D キー）</source>
        <translation>Review a recorded duel (D key)</translation>
    </message>
</context>
<context>
    <name>Duel</name>
    <message>
        <source>考え中・・・・・・。</source>
        <translation>Thinking......</translation>
    </message>
    <message>
        <source>勝負！</source>
        <translation>Duel!</translation>
    </message>
    <message>
        <source>選び直す</source>
        <translation>Choose again</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>カードが足りません。</source>
        <translation>Not enough cards.</translation>
    </message>
    <message>
        <source>ふむふむ</source>
        <translation>I see</translation>
    </message>
    <message>
        <source>バトル中断</source>
        <translation>Leave the duel</translation>
    </message>
    <message>
        <source>不戦敗はパーフェクト負け扱いです。よろしいですか？</source>
        <translation>Leaving now counts as a perfect loss. Are you sure?</translation>
    </message>
    <message>
        <source>現在%1勝%2敗</source>
        <translation>So far: %1 won, %2 lost</translation>
    </message>
    <message>
        <source>引き分け・・・。</source>
        <translation>A draw...</translation>
    </message>
    <message>
        <source>カード入手</source>
        <translation>Card won</translation>
    </message>
    <message>
        <source>「%1」カードを手に入れた。</source>
        <translation>You got the %1 card.</translation>
    </message>
    <message>
        <source>カード譲渡</source>
        <translation>Card lost</translation>
    </message>
    <message>
        <source>「%1」カードを失った。</source>
        <translation>You lost the %1 card.</translation>
    </message>
    <message>
        <source>ダブルクリック（または Enter キー）で、このカードを手札に選びます。</source>
        <translation>Double-click (or press Enter) to take this card into your hand.</translation>
    </message>
</context>
<context>
    <name>DuelViews</name>
    <message>
        <source>勝ち %1 対 %2</source>
        <translation>Won %1 to %2</translation>
    </message>
    <message>
        <source>負け %1 対 %2</source>
        <translation>Lost %1 to %2</translation>
    </message>
    <message>
        <source>引き分け %1 対 %2</source>
        <translation>Draw, %1 to %2</translation>
    </message>
    <message>
        <source>あなた %1 − %2 相手</source>
        <translation>You %1 – %2 Them</translation>
    </message>
    <message>
        <source>あなたの番</source>
        <translation>Your turn</translation>
    </message>
    <message>
        <source>相手の番</source>
        <translation>Their turn</translation>
    </message>
    <message>
        <source>相手の「%1」は伏せて置かれた</source>
        <translation>Their %1 was placed face down</translation>
    </message>
    <message>
        <source>押す：試しに見る&#x3000;ダブルクリック/Enter：手札に取る&#x3000;矢印：選ぶ&#x3000;Backspace：取り直す</source>
        <translation>Click: try in hand · Double-click/Enter: take · Arrows: move · Backspace: put back</translation>
    </message>
    <message>
        <source>お試し</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>すぐ裏返る</source>
        <translation>Face down</translation>
    </message>
    <message>
        <source>自分のも裏に</source>
        <translation>Yours flips</translation>
    </message>
    <message>
        <source>伏せ</source>
        <translation>Face down</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <source>%1 はファイルではなくフォルダです。</source>
        <translation>%1 is a folder, not a file.</translation>
    </message>
    <message>
        <source>%1 を読めません（%2）。</source>
        <translation>Cannot read %1 (%2).</translation>
    </message>
    <message>
        <source>%1 に書き込めませんでした（%2）。</source>
        <translation>Could not write %1 (%2).</translation>
    </message>
    <message>
        <source>フォルダを作れません</source>
        <translation>cannot make its folder</translation>
    </message>
    <message>
        <source>同じ名前のフォルダがあります</source>
        <translation>a folder of that name is in the way</translation>
    </message>
    <message>
        <source>%1 を削除できませんでした（%2）。</source>
        <translation>Could not delete %1 (%2).</translation>
    </message>
    <message>
        <source>%1 を %2 に移せませんでした。</source>
        <translation>Could not move %1 to %2.</translation>
    </message>
    <message>
        <source>%1 を移す先の名前が見つかりません。</source>
        <translation>Found no free name to move %1 to.</translation>
    </message>
    <message>
        <source>記録 %1</source>
        <translation>Record %1</translation>
    </message>
    <message>
        <source> がありません（ファイルが途中で切れています）。</source>
        <translation> is missing (the file ends too early).</translation>
    </message>
    <message>
        <source> の文字列の長さが %1 バイトです（最大 %2）。</source>
        <translation>: its text is %1 bytes long (at most %2).</translation>
    </message>
    <message>
        <source> の文字列が途中で切れています。</source>
        <translation>: its text is cut short.</translation>
    </message>
    <message>
        <source> の文字列がシフトJISとして読めません。</source>
        <translation>: its text cannot be read as Shift JIS.</translation>
    </message>
    <message>
        <source>ファイルが短すぎます（%1 バイト）。</source>
        <translation>The file is too short (%1 bytes).</translation>
    </message>
    <message>
        <source> の性別が %1 です（0 か 1 のはず）。</source>
        <translation>: the sex is %1 (it should be 0 or 1).</translation>
    </message>
    <message>
        <source> のカードの枚数が %1 です。</source>
        <translation>: a card count is %1.</translation>
    </message>
    <message>
        <source>性別の値 %1 はセーブできません。</source>
        <translation>The sex value %1 cannot be saved.</translation>
    </message>
    <message>
        <source>%1 のカード %2 の枚数が %3 です。セーブできません。</source>
        <translation>%1 holds %3 of card %2; this cannot be saved.</translation>
    </message>
    <message>
        <source>「%1」は名前に使えない文字です。</source>
        <translation>“%1” cannot be used in a name.</translation>
    </message>
    <message>
        <source>名前に使えない文字が含まれています。</source>
        <translation>The name holds a character that cannot be used.</translation>
    </message>
    <message>
        <source>先頭の行が統計ファイルのものではありません</source>
        <translation>the first line is not that of a record file</translation>
    </message>
    <message>
        <source>行の数が合いません（途中で切れているようです）</source>
        <translation>the number of lines is wrong (the file seems cut short)</translation>
    </message>
    <message>
        <source>%1 行目が読めません</source>
        <translation>line %1 cannot be read</translation>
    </message>
    <message>
        <source>%1 行目に数でない値があります</source>
        <translation>line %1 holds a value that is not a number</translation>
    </message>
    <message>
        <source>%1 行目の数が食い違っています</source>
        <translation>the figures of line %1 do not agree</translation>
    </message>
    <message>
        <source>ファイルが大きすぎます</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>対戦成績のファイルが壊れていたため、新しく記録を始めます。
（%1）</source>
        <translation>The record of duels was damaged, so a new record begins.
(%1)</translation>
    </message>
    <message>
        <source>
壊れたファイルは %1 に残してあります。</source>
        <translation>
The damaged file was kept as %1.</translation>
    </message>
    <message>
        <source>権限がありません</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>ディスクの空きが足りないか、開けるファイルの数を超えました</source>
        <translation>the disk is full, or too many files are open</translation>
    </message>
    <message>
        <source>書き込みに失敗しました。ディスクがいっぱいかもしれません</source>
        <translation>writing failed; the disk may be full</translation>
    </message>
    <message>
        <source>読み出しに失敗しました</source>
        <translation>reading failed</translation>
    </message>
    <message>
        <source>開けません</source>
        <translation>cannot open it</translation>
    </message>
    <message>
        <source>削除できません</source>
        <translation>cannot delete it</translation>
    </message>
    <message>
        <source>名前を変えられません</source>
        <translation>cannot rename it</translation>
    </message>
    <message>
        <source>ファイル操作に失敗しました</source>
        <translation>the file operation failed</translation>
    </message>
    <message>
        <source>%1 を戻せません（同じ名前のフォルダがあります）。</source>
        <translation>Cannot put %1 back (a folder of that name is in the way).</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1 文字）。セーブに入る名前は %2 バイトまでです。</source>
        <translation>The name is too long (%1 characters). A saved name holds at most %2 bytes.</translation>
    </message>
    <message>
        <source>名前が長すぎます（%1 バイト）。セーブに入る名前は %2 バイトまでです。</source>
        <translation>The name is too long (%1 bytes). A saved name holds at most %2 bytes.</translation>
    </message>
    <message>
        <source>内容が読めません</source>
        <translation>the contents cannot be read</translation>
    </message>
    <message>
        <source>詰めKORVANE の記録のファイルが壊れていたため、新しく記録を始めます。
（%1）</source>
        <translation>The KORVANE puzzle record was damaged, so a new record is started.
(%1)</translation>
    </message>
</context>
<context>
    <name>KeyMap</name>
    <message>
        <source>キーの設定</source>
        <translation>Key settings</translation>
    </message>
    <message>
        <source>[keys] %1：「%2」という操作はありません（使えるのは %3）</source>
        <translation>[keys] %1: there is no action “%2” (the actions are %3)</translation>
    </message>
    <message>
        <source>[keys] %1：「%2」は使えません。Ctrl、Alt、Meta のない一つのキーを書いてください</source>
        <translation>[keys] %1: “%2” cannot be used. Write a single key without Ctrl, Alt or Meta</translation>
    </message>
    <message>
        <source>[keys] %1：「%2」というキーはありません</source>
        <translation>[keys] %1: there is no key “%2”</translation>
    </message>
    <message>
        <source>[keys] %1：「%2」はもう %3 に使われています</source>
        <translation>[keys] %1: “%2” is already used for %3</translation>
    </message>
</context>
<context>
    <name>Keys</name>
    <message>
        <source>タイトル</source>
        <translation>Title</translation>
    </message>
    <message>
        <source>名前、性別、ボタン、スイッチの順に移る</source>
        <translation>Move through name, sex, buttons and switches</translation>
    </message>
    <message>
        <source>選んだボタンを押す</source>
        <translation>Press the chosen button</translation>
    </message>
    <message>
        <source>English / 日本語 の切り替え</source>
        <translation>Switch between English and Japanese</translation>
    </message>
    <message>
        <source>町の地図</source>
        <translation>Town map</translation>
    </message>
    <message>
        <source>場所を選ぶ（名前が出ます）</source>
        <translation>Choose a place (its name shows)</translation>
    </message>
    <message>
        <source>その場所に入る</source>
        <translation>Go in</translation>
    </message>
    <message>
        <source>会話</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>次へ進む</source>
        <translation>Go on</translation>
    </message>
    <message>
        <source>選択肢</source>
        <translation>Choices</translation>
    </message>
    <message>
        <source>左 / 右の答えを選ぶ</source>
        <translation>Take the left / right answer</translation>
    </message>
    <message>
        <source>← → と Enter / Space</source>
        <translation>← → and Enter / Space</translation>
    </message>
    <message>
        <source>答えを選んで決める</source>
        <translation>Select an answer and take it</translation>
    </message>
    <message>
        <source>いつでも</source>
        <translation>Any time</translation>
    </message>
    <message>
        <source>ウィンドウを閉じる（閉じるボタンと同じ）</source>
        <translation>Close the window (as its close button does)</translation>
    </message>
    <message>
        <source>このキー一覧（勝負の画面では勝負のキー）</source>
        <translation>This list of keys (the duel&apos;s keys in the duel window)</translation>
    </message>
    <message>
        <source>Ctrl + プラス / マイナス</source>
        <translation>Ctrl + Plus / Minus</translation>
    </message>
    <message>
        <source>拡大 / 縮小</source>
        <translation>Zoom in / out</translation>
    </message>
    <message>
        <source>標準の大きさ</source>
        <translation>Standard size (about two thirds of the screen)</translation>
    </message>
    <message>
        <source>全画面表示の切り替え</source>
        <translation>Full screen on / off</translation>
    </message>
    <message>
        <source>はやい</source>
        <translation>fast</translation>
    </message>
    <message>
        <source>ふつう</source>
        <translation>normal</translation>
    </message>
    <message>
        <source>カード選び</source>
        <translation>Choosing cards</translation>
    </message>
    <message>
        <source>カードを選ぶ（ページも送る）</source>
        <translation>Move between the cards (and the pages)</translation>
    </message>
    <message>
        <source>ページ送り</source>
        <translation>Turn the page</translation>
    </message>
    <message>
        <source>カードを押す（手札の枠に仮に置く）</source>
        <translation>Press the card (shows it in a hand slot)</translation>
    </message>
    <message>
        <source>ダブルクリックと同じ（カードを決める）</source>
        <translation>As a double-click (takes the card)</translation>
    </message>
    <message>
        <source>勝負</source>
        <translation>Duel</translation>
    </message>
    <message>
        <source>1 ～ 5</source>
        <translation>1 – 5</translation>
    </message>
    <message>
        <source>手札を選ぶ</source>
        <translation>Choose a card of your hand</translation>
    </message>
    <message>
        <source>マスを選ぶ</source>
        <translation>Choose a square</translation>
    </message>
    <message>
        <source>選んだマスにカードを置く</source>
        <translation>Place the card on the chosen square</translation>
    </message>
    <message>
        <source>ゲーム説明</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>このキー一覧</source>
        <translation>This list of keys</translation>
    </message>
    <message>
        <source>勝負の速さ ふつう / はやい（いまは「%1」）</source>
        <translation>Duel pace normal / fast (now “%1”)</translation>
    </message>
    <message>
        <source>キー操作</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>勝負の速さ：</source>
        <translation>Duel pace: </translation>
    </message>
    <message>
        <source>カードアルバムと対戦成績（右上の「アルバム」ボタンと同じ）</source>
        <translation>Card album and record of duels (as the “Album” button at the top right)</translation>
    </message>
    <message>
        <source>カードアルバム（左下の「アルバム」ボタンと同じ）</source>
        <translation>Card album (as the “Album” button at the bottom left)</translation>
    </message>
    <message>
        <source>ヒント：置くとよいカードとマスに緑の印（カードは置きません）</source>
        <translation>Hint: green marks on a good card and square (nothing is placed)</translation>
    </message>
    <message>
        <source>「最善手」は読み切った最善の手、「参考手」は相手の考え方で選んだ手</source>
        <translation>“Best”: the best move, read to the end; “Advice”: chosen the opponent’s way</translation>
    </message>
    <message>
        <source>最善手</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>参考手</source>
        <translation>Advice</translation>
    </message>
    <message>
        <source>十字ボタン / 左スティック</source>
        <translation>D-pad / left stick</translation>
    </message>
    <message>
        <source>← → ↑ ↓ と同じ（選ぶ、動かす）</source>
        <translation>as ← → ↑ ↓ (choose, move)</translation>
    </message>
    <message>
        <source>Enter（決める、次へ進む）</source>
        <translation>Enter (take, go on)</translation>
    </message>
    <message>
        <source>Esc（閉じる）</source>
        <translation>Esc (close)</translation>
    </message>
    <message>
        <source>H（ヒント）</source>
        <translation>H (hint)</translation>
    </message>
    <message>
        <source>A（カードアルバム）</source>
        <translation>A (card album)</translation>
    </message>
    <message>
        <source>縮小 / 拡大</source>
        <translation>Zoom out / in</translation>
    </message>
    <message>
        <source>Tab（タイトルの次の欄へ）</source>
        <translation>Tab (next field of the title)</translation>
    </message>
    <message>
        <source>Shift + Tab（タイトルの前の欄へ）</source>
        <translation>Shift + Tab (previous field of the title)</translation>
    </message>
    <message>
        <source>F1（このキー一覧）</source>
        <translation>F1 (this list of keys)</translation>
    </message>
    <message>
        <source>コントローラー</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>対戦の振り返り（対戦のあと、左下の「振り返り」ボタンと同じ）</source>
        <translation>Review the duel just played (after a duel; the same as the &quot;Review&quot; button at the bottom left)</translation>
    </message>
    <message>
        <source>いま何かが起こる場所の印を出す / 消す</source>
        <translation>Show / hide the marks on the places where something happens now</translation>
    </message>
    <message>
        <source>取ったカードを戻す（1～4枚でも。「選び直す」と同じ）</source>
        <translation>Put the taken cards back (any number; as “Choose again” does)</translation>
    </message>
    <message>
        <source>ルールの早見（辺の記号と裏返り）</source>
        <translation>The rules at a glance (side codes and flipping)</translation>
    </message>
    <message>
        <source>練習試合 / 詰めKORVANE</source>
        <translation>Practice duels / puzzles (詰めKORVANE)</translation>
    </message>
    <message>
        <source>名前の入力で：画面の文字表から選んで入れる</source>
        <translation>In the profile: pick the name&apos;s letters from an on-screen table</translation>
    </message>
    <message>
        <source>Enter（5枚選んだあと）</source>
        <translation>Enter (five chosen)</translation>
    </message>
    <message>
        <source>手札の前 / 次のカードを選ぶ</source>
        <translation>Choose the previous / next card of your hand</translation>
    </message>
    <message>
        <source>PageUp / PageDown（ページ送り、手札を選ぶ）</source>
        <translation>PageUp / PageDown (turn pages, choose a hand card)</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>ja</source>
        <extracomment>The code of the language this translation is written in.</extracomment>
        <translation>en</translation>
    </message>
</context>
<context>
    <name>Map</name>
    <message>
        <source>どこに行こうかな？</source>
        <translation>Where should I go?</translation>
    </message>
    <message>
        <source>高原さんの家</source>
        <translation>Takahara&apos;s house</translation>
    </message>
    <message>
        <source>真道くんの家</source>
        <translation>Shindo&apos;s house</translation>
    </message>
    <message>
        <source>風見くんの家</source>
        <translation>Kazami&apos;s house</translation>
    </message>
    <message>
        <source>横田さんの家</source>
        <translation>Yokota&apos;s house</translation>
    </message>
    <message>
        <source>高峰さんの家</source>
        <translation>Takamine&apos;s house</translation>
    </message>
    <message>
        <source>古くからの大きな家</source>
        <translation>The big old house</translation>
    </message>
    <message>
        <source>妖精の樹があるところ</source>
        <translation>Where the fairy tree stands</translation>
    </message>
    <message>
        <source>コルヴァーン スクウェア</source>
        <translation>Korvane Square</translation>
    </message>
    <message>
        <source>ここは僕の家</source>
        <translation>This is my house</translation>
    </message>
    <message>
        <source>ここは私の家</source>
        <translation>This is my house</translation>
    </message>
    <message>
        <source>家を指してクリックで中へ（キーは矢印で選んで Enter）</source>
        <translation>Click a house to go in (or choose it with the arrows and press Enter)</translation>
    </message>
    <message>
        <source>この印の場所で、いま何かが起こります（M キーで消す）</source>
        <translation>Something happens now where this mark is (M hides the marks)</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>セーブ失敗</source>
        <translation>Save failed</translation>
    </message>
    <message>
        <source>セーブできませんでした。ゲームを続けます。
</source>
        <translation>The game could not be saved. Play goes on.
</translation>
    </message>
    <message>
        <source>セーブデータが壊れているため、続きから始めることはできません。</source>
        <translation>The saved game is damaged, so it cannot be continued.</translation>
    </message>
    <message>
        <source>
（%1）</source>
        <translation>
(%1)</translation>
    </message>
    <message>
        <source>
壊れたファイルは「%1」として残してあります。</source>
        <translation>
The damaged file was kept as “%1”.</translation>
    </message>
    <message>
        <source>セーブデータ</source>
        <translation>Saved game</translation>
    </message>
    <message>
        <source>名前再入力</source>
        <translation>Enter the name again</translation>
    </message>
    <message>
        <source>※から始まる名前はマスターしか使えません。</source>
        <translation>Only a master may use a name that begins with ※.</translation>
    </message>
    <message>
        <source>セーブデータが見つかりませんでした。</source>
        <translation>No saved game was found.</translation>
    </message>
    <message>
        <source>ゲーム終了</source>
        <translation>Quit the game</translation>
    </message>
    <message>
        <source>セーブしないで終わりますか？</source>
        <translation>Quit without saving?</translation>
    </message>
    <message>
        <source>設定</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>音楽と効果音の設定を保存できませんでした。
</source>
        <translation>The music and sound settings could not be saved.
</translation>
    </message>
    <message>
        <source>セーブできませんでした。
</source>
        <translation>The game could not be saved.
</translation>
    </message>
    <message>
        <source>対戦成績</source>
        <translation>Record of duels</translation>
    </message>
    <message>
        <source>名前は %1 文字までです（いまは %2 文字）。</source>
        <translation>A name may have at most %1 characters (this one has %2).</translation>
    </message>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>名前が長すぎて、マスターマーク※を付けるとセーブできなくなるため、名前を「%1」に縮めました。</source>
        <translation>With the master mark ※ the name would be too long to save, so it was shortened to “%1”.</translation>
    </message>
    <message>
        <source>%1

データの場所: %2</source>
        <translation>%1

Data folder: %2</translation>
    </message>
    <message>
        <source>対戦の記録のファイルが読めなかったため、新しく記録を始めます。</source>
        <translation>The duel log could not be read, so a new log begins.</translation>
    </message>
    <message>
        <source>対戦の記録のうち %1 件が読めませんでした。ほかの %2 件は残ります。</source>
        <translation>%1 duels of the duel log could not be read. The other %2 remain.</translation>
    </message>
    <message>
        <source>
読めなかった分は「%1」に残してあります。</source>
        <translation>
What could not be read was kept as “%1”.</translation>
    </message>
    <message>
        <source>対戦の記録に書けない対戦がありました。</source>
        <translation>A duel could not be written to the duel log.</translation>
    </message>
    <message>
        <source>壊れた記録をどけられなかったため、対戦の記録を書き足せません。</source>
        <translation>The damaged log could not be moved aside, so no duel can be added to it.</translation>
    </message>
    <message>
        <source>対戦の記録</source>
        <translation>Duel log</translation>
    </message>
</context>
<context>
    <name>NamePicker</name>
    <message>
        <source>次の文字</source>
        <translation>Next letters</translation>
    </message>
    <message>
        <source>消す</source>
        <translation>Erase</translation>
    </message>
    <message>
        <source>決定</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>名前を選ぶ</source>
        <translation>Choose a name</translation>
    </message>
    <message>
        <source>ひらがな</source>
        <translation>Hiragana</translation>
    </message>
    <message>
        <source>カタカナ</source>
        <translation>Katakana</translation>
    </message>
    <message>
        <source>英数字</source>
        <translation>Letters and digits</translation>
    </message>
</context>
<context>
    <name>Names</name>
    <message>
        <source>高原 良絵</source>
        <translation>Takahara Yoshie</translation>
    </message>
    <message>
        <source>真道 祐樹</source>
        <translation>Shindo Yuki</translation>
    </message>
    <message>
        <source>風見 誠</source>
        <translation>Kazami Makoto</translation>
    </message>
    <message>
        <source>横田 真央</source>
        <translation>Yokota Mao</translation>
    </message>
    <message>
        <source>高峰 武</source>
        <translation>Takamine Takeshi</translation>
    </message>
    <message>
        <source>速水 結</source>
        <translation>Hayami Yui</translation>
    </message>
</context>
<context>
    <name>Practice</name>
    <message>
        <source>練習試合</source>
        <translation>Practice</translation>
    </message>
    <message>
        <source>物語の外で練習する（F4 キー）</source>
        <translation>Practise outside the story (F4 key)</translation>
    </message>
    <message>
        <source>物語の外で練習する（P キー）</source>
        <translation>Practise outside the story (P key)</translation>
    </message>
    <message>
        <source>達人の読みが間に合わないため、この手は本気の手です。</source>
        <translation>The master could not finish reading in time, so this move is the ordinary opponent&apos;s.</translation>
    </message>
    <message>
        <source>勝ち %1 対 %2</source>
        <translation>Won %1 to %2</translation>
    </message>
    <message>
        <source>負け %1 対 %2</source>
        <translation>Lost %1 to %2</translation>
    </message>
    <message>
        <source>
（練習試合なのでカードは移りません）</source>
        <translation>
(A practice duel: no card changes hands.)</translation>
    </message>
    <message>
        <source>手加減</source>
        <translation>Gentle</translation>
    </message>
    <message>
        <source>本気</source>
        <translation>In earnest</translation>
    </message>
    <message>
        <source>達人</source>
        <translation>Master</translation>
    </message>
    <message>
        <source>いつもの考え方で、ときどき失敗する</source>
        <translation>plays its usual way, with the odd mistake</translation>
    </message>
    <message>
        <source>物語の中と同じ相手</source>
        <translation>the opponent exactly as in the story</translation>
    </message>
    <message>
        <source>最後まで読み切って打つ</source>
        <translation>plays perfectly, reading to the last card</translation>
    </message>
    <message>
        <source>対戦したことのある相手と練習できます。</source>
        <translation>You can practise against anyone you have duelled.</translation>
    </message>
    <message>
        <source>相手と強さを選んでください。カードは移らず、物語も進みません。</source>
        <translation>Choose an opponent and a strength. No card changes hands and the story does not move.</translation>
    </message>
    <message>
        <source>↑ ↓ 相手&#x3000;← → 強さ&#x3000;Enter 始める&#x3000;Esc 閉じる</source>
        <translation>↑ ↓ opponent   ← → strength   Enter start   Esc close</translation>
    </message>
    <message>
        <source>始める</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Puzzle</name>
    <message>
        <source>詰めKORVANE</source>
        <translation>Puzzles</translation>
    </message>
    <message>
        <source>もう一度 (R)</source>
        <translation>Again (R)</translation>
    </message>
    <message>
        <source>次の問題 (N)</source>
        <translation>Next (N)</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>この問題は読めません。N で次の問題へ。</source>
        <translation>This puzzle cannot be read. N for the next one.</translation>
    </message>
    <message>
        <source>問題がありません</source>
        <translation>No puzzles</translation>
    </message>
    <message>
        <source>問題 %1&#x3000;レベル %2%3</source>
        <translation>Puzzle %1  Level %2%3</translation>
    </message>
    <message>
        <source>（解いた）</source>
        <translation> (solved)</translation>
    </message>
    <message>
        <source>あなたの番：勝てる一手は？</source>
        <translation>Your move: which placement wins?</translation>
    </message>
    <message>
        <source>あなたの番：引き分けに持ち込む一手は？</source>
        <translation>Your move: which placement holds the draw?</translation>
    </message>
    <message>
        <source>1～5 でカード、矢印と Enter でマス（クリックでも置けます）</source>
        <translation>1-5 a card, the arrows and Enter a square (or click)</translation>
    </message>
    <message>
        <source>レーティング %1 ± %2&#x3000;解いた問題 %3</source>
        <translation>Rating %1 ± %2  Solved %3</translation>
    </message>
    <message>
        <source>応手</source>
        <translation>reply</translation>
    </message>
    <message>
        <source>残念、その一手では届きません。相手の応手を最後まで見てください。</source>
        <translation>Not quite: that placement falls short. Watch the opponent&apos;s answer to the end.</translation>
    </message>
    <message>
        <source>正解！ 相手はこう応じました。次の一手は？（%1 / %2）</source>
        <translation>Right! The opponent answered so. Your next placement? (%1 / %2)</translation>
    </message>
    <message>
        <source>相手の応手で %1 対 %2 になりました。R でもう一度。</source>
        <translation>The opponent&apos;s answer made it %1 to %2. R to try again.</translation>
    </message>
    <message>
        <source>正解！ 一度で解けました。N で次の問題へ。</source>
        <translation>Right! Solved at the first try. N for the next puzzle.</translation>
    </message>
    <message>
        <source>正解！ 解けました。N で次の問題へ。</source>
        <translation>Right! Solved. N for the next puzzle.</translation>
    </message>
    <message>
        <source>手札のカードを選ぶ</source>
        <translation>Choose a card of your hand</translation>
    </message>
    <message>
        <source>マスを選ぶ</source>
        <translation>Choose a square</translation>
    </message>
    <message>
        <source>選んだマスに置く</source>
        <translation>Place on the chosen square</translation>
    </message>
    <message>
        <source>もう一度</source>
        <translation>Again</translation>
    </message>
    <message>
        <source>次の問題</source>
        <translation>Next puzzle</translation>
    </message>
    <message>
        <source>%1 %2&#x3000;レベル %3</source>
        <translation>%1 %2  Level %3</translation>
    </message>
    <message>
        <source>前の問題</source>
        <translation>Previous puzzle</translation>
    </message>
    <message>
        <source>勝てる一手を探す問題（F5 キー）</source>
        <translation>Puzzles: find the winning placement (F5 key)</translation>
    </message>
    <message>
        <source>問題のファイルが見つかりません。</source>
        <translation>The puzzle file cannot be found.</translation>
    </message>
    <message>
        <source>対戦の記録が読めませんでした。記録のファイルはそのまま残してあります。</source>
        <translation>The duel record could not be read. Its file has been left as it is.</translation>
    </message>
    <message>
        <source>まだ対戦の記録がありません。対戦すると、その局面からここに問題ができます。</source>
        <translation>No duels recorded yet. Once you duel, puzzles from your own positions appear here.</translation>
    </message>
    <message>
        <source>対戦の記録に読めない行がありました（ファイルはそのままです）。読めた %1 戦から問題を探しました。</source>
        <translation>Some lines of the duel record could not be read (the file is left as it is). The puzzles come from the %1 duels that could.</translation>
    </message>
    <message>
        <source>%1 戦の記録に、問題になる局面はまだありません。</source>
        <translation>None of your %1 recorded duels has a position that makes a puzzle yet.</translation>
    </message>
    <message>
        <source>問題集</source>
        <translation>Puzzle set</translation>
    </message>
    <message>
        <source>自分の対局から</source>
        <translation>From your duels</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4手目&#x3000;レベル %5</source>
        <translation>%1 %2 %3, move %4, level %5</translation>
    </message>
    <message>
        <source>M月d日 H:mm</source>
        <translation>MMM d, H:mm</translation>
    </message>
    <message>
        <source>自分の対局から（%1）</source>
        <translation>From your duels (%1)</translation>
    </message>
    <message>
        <source>自分の対戦の記録から問題を探しています・・・</source>
        <translation>Looking for puzzles in your recorded duels...</translation>
    </message>
    <message>
        <source>問題集と自分の対局からの問題を切り替える</source>
        <translation>Switch between the puzzle set and your own duels</translation>
    </message>
    <message>
        <source>あなたの番：正解の一手は？</source>
        <translation>Your move: which placement is it?</translation>
    </message>
    <message>
        <source>自分の対局から&#x3000;レベル %1%2
%3 %4戦 %5手目</source>
        <translation>From your duels  Level %1%2
%3, %4, move %5</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>最善</source>
        <translation>best</translation>
    </message>
    <message>
        <source>唯一</source>
        <translation>only</translation>
    </message>
    <message>
        <source>緩手</source>
        <translation>inaccuracy</translation>
    </message>
    <message>
        <source>悪手</source>
        <translation>mistake</translation>
    </message>
    <message>
        <source>大悪手</source>
        <translation>blunder</translation>
    </message>
    <message>
        <source>：%1枚目</source>
        <translation>: card %1</translation>
    </message>
    <message>
        <source>%1. 相手：「%2」を%3</source>
        <translation>%1. Opponent: &quot;%2&quot; at %3</translation>
    </message>
    <message>
        <source>%1. あなた：「%2」を%3</source>
        <translation>%1. You: &quot;%2&quot; at %3</translation>
    </message>
    <message>
        <source>（最善は「%1」を%2）</source>
        <translation> (best: &quot;%1&quot; at %2)</translation>
    </message>
    <message>
        <source>不戦敗</source>
        <translation>forfeit</translation>
    </message>
    <message>
        <source>勝ち</source>
        <translation>won</translation>
    </message>
    <message>
        <source>負け</source>
        <translation>lost</translation>
    </message>
    <message>
        <source>引き分け</source>
        <translation>drawn</translation>
    </message>
    <message>
        <source>%1戦&#x3000;%2 %3 対 %4</source>
        <translation>Against %1: %2, %3 to %4</translation>
    </message>
    <message>
        <source>
正確さ %1%（悪手 %2、大悪手 %3）</source>
        <translation>
Accuracy %1% (mistakes %2, blunders %3)</translation>
    </message>
    <message>
        <source>読み切り中・・・</source>
        <translation>Solving...</translation>
    </message>
    <message>
        <source>振り返り</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>ここからやり直す</source>
        <translation>Play on from here</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>配られた手札</source>
        <translation>The deal</translation>
    </message>
    <message>
        <source>やり直しの結果：%1 対 %2（記録には残りません）</source>
        <translation>Played on: %1 to %2 (not recorded)</translation>
    </message>
    <message>
        <source>やり直し中：1～5 でカード、矢印と Enter でマス（R で記録に戻る）</source>
        <translation>Playing on: 1-5 choose a card, arrows and Enter a square (R: back to the record)</translation>
    </message>
    <message>
        <source>記録に戻る</source>
        <translation>Back to the record</translation>
    </message>
    <message>
        <source>← → で一手ずつ、Home / End で最初と最後</source>
        <translation>← → one placement at a time, Home / End the first and the last</translation>
    </message>
    <message>
        <source>今の対戦を一手ずつ振り返る（V キー）</source>
        <translation>Go through the duel just played, placement by placement (V key)</translation>
    </message>
    <message>
        <source>%1&#x3000;%2&#x3000;%3 %4 対 %5</source>
        <translation>%1   %2   %3 %4 to %5</translation>
    </message>
    <message>
        <source>（マスター）</source>
        <translation> (master)</translation>
    </message>
    <message>
        <source>（練習）</source>
        <translation> (practice)</translation>
    </message>
    <message>
        <source>対戦の記録</source>
        <translation>Recorded duels</translation>
    </message>
    <message>
        <source>まだ記録した対戦がありません。</source>
        <translation>No duel has been recorded yet.</translation>
    </message>
    <message>
        <source>↑ ↓ で選び、Enter で振り返る（Esc で閉じる）</source>
        <translation>↑ ↓ choose, Enter reviews (Esc closes)</translation>
    </message>
    <message>
        <source>練習試合：%1戦 %2勝 %3敗 %4分</source>
        <translation>Practice duels: %1 (won %2, lost %3, drawn %4)</translation>
    </message>
</context>
<context>
    <name>Rules</name>
    <message>
        <source>ルールの早見</source>
        <translation>The rules at a glance</translation>
    </message>
    <message>
        <source>Esc・F3・クリックで閉じる</source>
        <translation>Esc, F3 or a click closes</translation>
    </message>
    <message>
        <source>カードの辺の記号（上の辺の例。青は陣地になるマス）</source>
        <translation>The codes on a card’s sides (shown on the top side; blue: the squares it claims)</translation>
    </message>
    <message>
        <source>S（スプリット）</source>
        <translation>S (split)</translation>
    </message>
    <message>
        <source>2つ前のマスだけを陣地にする。すぐ前のマスは飛び越す。</source>
        <translation>Claims only the square two ahead, jumping the square just ahead.</translation>
    </message>
    <message>
        <source>A（アーク）</source>
        <translation>A (arc)</translation>
    </message>
    <message>
        <source>すぐ前と、その左右のななめ前の3マスを陣地にする。</source>
        <translation>Claims the square just ahead and the two squares diagonally ahead.</translation>
    </message>
    <message>
        <source>B（ボム）</source>
        <translation>B (bomb)</translation>
    </message>
    <message>
        <source>陣地は作らない。置いたとき、2つ前を中心にした十字の5マスのカードを、自分のものも相手のものも裏返す（すぐ裏返った時は爆発しない）。</source>
        <translation>Claims nothing. When the card is placed, every card on the cross of five squares centred two ahead turns face down, yours and theirs alike (not if the bomb card itself goes down face down).</translation>
    </message>
    <message>
        <source>×（なし）</source>
        <translation>× (none)</translation>
    </message>
    <message>
        <source>何も起こらない。×の多い側が先に置く（同じならあなたが先）。</source>
        <translation>Does nothing. The side with more × sides places first (on a tie, you do).</translation>
    </message>
    <message>
        <source>数字 1～9</source>
        <translation>A digit 1 to 9</translation>
    </message>
    <message>
        <source>まっすぐ前へ、その数のマスまで陣地にする（例は 2）。盤の端か、最初にカードのあるマスで止まる。</source>
        <translation>Claims that many squares straight ahead (here 2), stopping at the board’s edge or at the first square that holds a card.</translation>
    </message>
    <message>
        <source>裏返り</source>
        <translation>Turning face down</translation>
    </message>
    <message>
        <source>相手の陣地（赤）にあるカードは裏返って力を失う。相手の陣地に置いたカードはすぐ裏返る。10枚置き終えたとき表のカードが多い方が勝ち、負けた側の裏返ったカードは勝った側のものになる。</source>
        <translation>A card inside the other side’s field (red) turns face down and loses its power; a card placed there goes down face down at once. After ten cards the side with more cards face up wins and takes the loser’s face-down cards.</translation>
    </message>
</context>
<context>
    <name>Speech</name>
    <message>
        <source>名前</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>主人公の名前（F6 で文字の一覧から選ぶ）</source>
        <translation>The hero&apos;s name (F6: choose from a list of letters)</translation>
    </message>
    <message>
        <source>性別</source>
        <translation>Sex</translation>
    </message>
    <message>
        <source>表示する言葉を切り替える</source>
        <translation>Switch the language of the game</translation>
    </message>
    <message>
        <source>話の進み方に関係なく、会った相手と練習する（F4 キー）</source>
        <translation>Practise against anyone you have met, outside the story (F4)</translation>
    </message>
    <message>
        <source>決まった局面から勝ち筋を探す（F5 キー）</source>
        <translation>Find the winning line from a set position (F5)</translation>
    </message>
    <message>
        <source>カードアルバムと対戦成績（A キー）</source>
        <translation>Card album and duel record (A)</translation>
    </message>
    <message>
        <source>答え%1（%1 キー）</source>
        <translation>Answer %1 (key %1)</translation>
    </message>
    <message>
        <source>町の地図</source>
        <translation>Town map</translation>
    </message>
    <message>
        <source>矢印で行き先を選び、Enter で入る</source>
        <translation>Choose a place with the arrows, Enter goes in</translation>
    </message>
    <message>
        <source>クリックか Enter で先へ進む</source>
        <translation>Click or Enter to go on</translation>
    </message>
    <message>
        <source>Enter で入る</source>
        <translation>Enter goes in</translation>
    </message>
    <message>
        <source>答えを選ぶ：1 %1、2 %2</source>
        <translation>Choose an answer: 1 %1, 2 %2</translation>
    </message>
    <message>
        <source>%1列%2行</source>
        <translation>column %1 row %2</translation>
    </message>
    <message>
        <source>スプリット</source>
        <translation>split</translation>
    </message>
    <message>
        <source>アーク</source>
        <translation>arc</translation>
    </message>
    <message>
        <source>ボム</source>
        <translation>bomb</translation>
    </message>
    <message>
        <source>上</source>
        <translation>top </translation>
    </message>
    <message>
        <source>右</source>
        <translation>right </translation>
    </message>
    <message>
        <source>下</source>
        <translation>bottom </translation>
    </message>
    <message>
        <source>左</source>
        <translation>left </translation>
    </message>
    <message>
        <source>%1、%2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>あなたの</source>
        <translation>your </translation>
    </message>
    <message>
        <source>相手の</source>
        <translation>the opponent&apos;s </translation>
    </message>
    <message>
        <source>空き</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>伏せたカード</source>
        <translation>face-down card</translation>
    </message>
    <message>
        <source>両方の陣地</source>
        <translation>both fields</translation>
    </message>
    <message>
        <source>あなたの陣地</source>
        <translation>your field</translation>
    </message>
    <message>
        <source>相手の陣地</source>
        <translation>the opponent&apos;s field</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>、%1</source>
        <translation>, %1</translation>
    </message>
    <message>
        <source>あなたの手札%1</source>
        <translation>your hand %1</translation>
    </message>
    <message>
        <source>相手の手札%1</source>
        <translation>opponent&apos;s hand %1</translation>
    </message>
    <message>
        <source>%1（置いた）</source>
        <translation>%1 (placed)</translation>
    </message>
    <message>
        <source>あなたは%1を%2に置いた</source>
        <translation>You placed %1 on %2</translation>
    </message>
    <message>
        <source>相手は%1を%2に置いた</source>
        <translation>The opponent placed %1 on %2</translation>
    </message>
    <message>
        <source>カード</source>
        <translation>a card</translation>
    </message>
    <message>
        <source>。伏せて置かれた</source>
        <translation>. It lies face down</translation>
    </message>
    <message>
        <source>%1%2（%3）</source>
        <translation>%1%2 (%3)</translation>
    </message>
    <message>
        <source>裏返った：%1</source>
        <translation>Turned face down: %1</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>盤</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>矢印でマスを選び、Enter で選んだ手札を置く。1～5 で手札を選ぶ</source>
        <translation>Choose a square with the arrows, Enter places the chosen hand card. 1 to 5 choose a hand card</translation>
    </message>
    <message>
        <source>1～5 のキーで選ぶ</source>
        <translation>Chosen with the keys 1 to 5</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>Enter で手札に取る。スペースで試しに見る</source>
        <translation>Enter takes it into the hand. Space shows it</translation>
    </message>
    <message>
        <source>カードの一覧のページ</source>
        <translation>Page of the card list</translation>
    </message>
    <message>
        <source>手札の5枚で対戦を始める（S キー）</source>
        <translation>Start the duel with the five cards in hand (S)</translation>
    </message>
    <message>
        <source>手札に取ったカードを一覧に戻す（R キー）</source>
        <translation>Put the cards taken into the hand back into the list (R)</translation>
    </message>
    <message>
        <source>対戦をやめる（Q キー）</source>
        <translation>Stop duelling (Q)</translation>
    </message>
    <message>
        <source>説明を先に進める（Enter キー）</source>
        <translation>Go on with the explanation (Enter)</translation>
    </message>
    <message>
        <source>対戦成績</source>
        <translation>Duel record</translation>
    </message>
    <message>
        <source>説明</source>
        <translation>Explanation</translation>
    </message>
    <message>
        <source>今の対戦を一手ずつ振り返る（V キー）</source>
        <translation>Review the duel just played move by move (V)</translation>
    </message>
    <message>
        <source>対戦</source>
        <translation>Duel</translation>
    </message>
    <message>
        <source>名前を決めて、新しく始める</source>
        <translation>Choose a name and start a new game</translation>
    </message>
    <message>
        <source>セーブしたところから続ける</source>
        <translation>Go on from where the game was saved</translation>
    </message>
    <message>
        <source>このプロフィールで町に出る</source>
        <translation>Go out into the town with this profile</translation>
    </message>
    <message>
        <source>ルールを二つの例の対戦で見る</source>
        <translation>See the rules in two example duels</translation>
    </message>
    <message>
        <source>オンとオフを切り替える（覚えておく）</source>
        <translation>Switch on and off (remembered)</translation>
    </message>
</context>
<context>
    <name>Story</name>
    <message>
        <source>Character Design : 水野 彩花</source>
        <translation>Character Design : Mizuno Ayaka</translation>
    </message>
    <message>
        <source>Card, Character &amp; Map Graphics : 藤崎 蒼</source>
        <translation>Card, Character &amp; Map Graphics : Fujisaki Aoi</translation>
    </message>
    <message>
        <source>Program, Sound &amp; Music : 桐生 和也</source>
        <translation>Program, Sound &amp; Music : Kiryu Kazuya</translation>
    </message>
    <message>
        <source>Producer &amp; Director : 早瀬 恭介</source>
        <translation>Producer &amp; Director : Hayase Kyosuke</translation>
    </message>
    <message>
        <source>ありません。</source>
        <translation>none at all.</translation>
    </message>
    <message>
        <source>・・・いっぱいあります。</source>
        <translation>...quite a lot.</translation>
    </message>
    <message>
        <source>カードはずいぶん集まったようです。マスターコードを捜してみましょう。』ヒント：『妖精の樹の聖戦を制すべし。</source>
        <translation>You have gathered a great many cards. Now seek the master code.] Hint: [Win the holy war at the fairy tree.</translation>
    </message>
    <message>
        <source>お・わ・り</source>
        <translation>T·H·E  E·N·D</translation>
    </message>
    <message>
        <source>めでたしめでたし。</source>
        <translation>And they all lived happily ever after.</translation>
    </message>
    <message>
        <source>ガチャ。</source>
        <translation>Click.</translation>
    </message>
    <message>
        <source>あれ。留守か・・・・・・。出直してこよう。</source>
        <translation>Huh. Nobody home... I&apos;ll come back later.</translation>
    </message>
    <message>
        <source>それから、高峰の姿を見る事はなかった。</source>
        <translation>After that, I never saw Takamine again.</translation>
    </message>
    <message>
        <source>考えてみたら、高峰の部屋はずいぶんと生活感のない部屋だった。</source>
        <translation>Come to think of it, Takamine&apos;s room never looked lived in.</translation>
    </message>
    <message>
        <source>もしかしたら、高峰は・・・・・・？</source>
        <translation>Could it be that Takamine was...?</translation>
    </message>
    <message>
        <source>横田は、『アイツ、小説家志望だったの？』なんて笑っていた。</source>
        <translation>Yokota just laughed: “Him? A would-be novelist?”</translation>
    </message>
    <message>
        <source>Special Thanks to Test Players!</source>
        <translation>Special Thanks to Test Players!</translation>
    </message>
    <message>
        <source>風見だけは、妖精の仕業だと、興味津々にあたりをかぎまわっていた。</source>
        <translation>Only Kazami, sure it was the fairies&apos; doing, went sniffing around, all curiosity.</translation>
    </message>
    <message>
        <source>「ＫＯＲＶＡＮＥ」</source>
        <translation>“KORVANE”</translation>
    </message>
    <message>
        <source>街全体はというと、それほど変わらない。</source>
        <translation>As for the town, not much has changed.</translation>
    </message>
    <message>
        <source>みんな楽しく遊んでいる。</source>
        <translation>Everyone is still having fun playing.</translation>
    </message>
    <message>
        <source>{bare}という名前も強いカードプレイヤーとしてある程度知れ渡った。</source>
        <translation>And the name {bare} became fairly well known as a strong card player.</translation>
    </message>
    <message>
        <source>どうやら、{pronoun}の中のＫＯＲＶＡＮＥブームも、一段落したようだ。</source>
        <translation>It seems my own KORVANE craze has calmed down, too.</translation>
    </message>
    <message>
        <source>手に入るカードの中であなたの持っていないカードは</source>
        <translation>Of the cards you can get, you still lack:</translation>
    </message>
    <message>
        <source>楽しく、カードを取ったり取られたりしながら遊んでいよう。</source>
        <translation>I&apos;ll just keep having fun, winning cards and losing them.</translation>
    </message>
    <message>
        <source>{bare}様を、ＫＯＲＶＡＮＥマスターに認定します。ＫＯＲＶＡＮＥのマスターコードは、「OrBiT」です。</source>
        <translation>{bare} is hereby certified a KORVANE Master. The KORVANE master code is “OrBiT”.</translation>
    </message>
    <message>
        <source>あ！高原さんが話してた人でしょ？僕、風見 誠。よく高原さんちに遊びに行くんだ。</source>
        <translation>Oh! You&apos;re the one Miss Takahara told me about, right? I&apos;m Kazami Makoto. I go play at her house a lot.</translation>
    </message>
    <message>
        <source>強いんでしょ？僕もいっぱいカード持ってるんだよ。</source>
        <translation>You&apos;re good, right? I&apos;ve got lots of cards too!</translation>
    </message>
    <message>
        <source>え、妖精カード？持ってるよ、妖精さんからもらったんだ。欲しい？</source>
        <translation>Huh, Fairy cards? I&apos;ve got some! A real fairy gave them to me. Want one?</translation>
    </message>
    <message>
        <source>欲しい</source>
        <translation>I want one</translation>
    </message>
    <message>
        <source>いや別に</source>
        <translation>Not really</translation>
    </message>
    <message>
        <source>あげないよ～。へへへ。それとも・・・。</source>
        <translation>Not giving you any~! Hehehe. Unless...</translation>
    </message>
    <message>
        <source>そうなの？じゃあ僕にはなんの用事？あ、わかった。</source>
        <translation>No? Then what do you want with me? Oh, I know!</translation>
    </message>
    <message>
        <source>カードで勝負？</source>
        <translation>A card duel?</translation>
    </message>
    <message>
        <source>その通り</source>
        <translation>That&apos;s right</translation>
    </message>
    <message>
        <source>やっぱやめた</source>
        <translation>Never mind</translation>
    </message>
    <message>
        <source>そう？じゃあ、また来てね。</source>
        <translation>Okay. Come again, then!</translation>
    </message>
    <message>
        <source>う～ん、じつりょくはくちゅうだね！</source>
        <translation>Hmmm, we&apos;re neck and neck!</translation>
    </message>
    <message>
        <source>やったぁ！まいどあり～。</source>
        <translation>Yay! Pleasure doing business~!</translation>
    </message>
    <message>
        <source>う～ん・・・くやしいなあ。</source>
        <translation>Hmmm... no fair.</translation>
    </message>
    <message>
        <source>まあいいや、妖精カードは取られてないし。</source>
        <translation>Oh well, at least you didn&apos;t get my Fairy cards.</translation>
    </message>
    <message>
        <source>また遊んでね。</source>
        <translation>Play with me again!</translation>
    </message>
    <message>
        <source>妖精カードも取られちゃった。まだあるけどね。へへ。</source>
        <translation>You even got a Fairy card. I&apos;ve still got more, though. Hehe.</translation>
    </message>
    <message>
        <source>ねえねえ、妖精っていると思う？</source>
        <translation>Hey, hey, do you think fairies are real?</translation>
    </message>
    <message>
        <source>いる</source>
        <translation>They are</translation>
    </message>
    <message>
        <source>いない</source>
        <translation>They aren&apos;t</translation>
    </message>
    <message>
        <source>絶対いるよね！妖精の樹の根元にはね、妖精が住んでるんだよ！へへ、意見があったね！</source>
        <translation>They totally are! Fairies live at the foot of the fairy tree! Hehe, we agree!</translation>
    </message>
    <message>
        <source>そ～か～。やっぱいないのかな～。</source>
        <translation>Awww~. Maybe they really aren&apos;t~.</translation>
    </message>
    <message>
        <source>でもね、僕がたまに会う金髪の男の人がいるんだけどね、その人はいるかもしれないって言ってたよ。</source>
        <translation>But there&apos;s this blond man I run into sometimes, and he said they might be real.</translation>
    </message>
    <message>
        <source>だから僕は信じてんだ！</source>
        <translation>So I believe in them!</translation>
    </message>
    <message>
        <source>また、遊びに来てね！</source>
        <translation>Come play again!</translation>
    </message>
    <message>
        <source>カードであそぼ？</source>
        <translation>Wanna play cards?</translation>
    </message>
    <message>
        <source>遊ぼう</source>
        <translation>Let&apos;s play</translation>
    </message>
    <message>
        <source>また今度</source>
        <translation>Another time</translation>
    </message>
    <message>
        <source>じゃあまた今度遊んでね。</source>
        <translation>Okay, play with me next time!</translation>
    </message>
    <message>
        <source>やっぱりじつりょくはくちゅうだね！</source>
        <translation>See? We&apos;re neck and neck!</translation>
    </message>
    <message>
        <source>やった勝ったぁ！</source>
        <translation>Yay, I won!</translation>
    </message>
    <message>
        <source>やっぱり強いなぁ。カードがなくなっちゃうよ。</source>
        <translation>You&apos;re so strong. I&apos;m gonna run out of cards!</translation>
    </message>
    <message>
        <source>また遊ぼうね。</source>
        <translation>Let&apos;s play again!</translation>
    </message>
    <message>
        <source>妖精の樹、みてきたの？どうだった？</source>
        <translation>Did you go see the fairy tree? How was it?</translation>
    </message>
    <message>
        <source>金髪の男の人？ああ、僕も会ったことあるよ。確か・・・えーと、なんていう名前だったかな？</source>
        <translation>The blond man? Oh, I&apos;ve met him too. His name was... um, what was it again?</translation>
    </message>
    <message>
        <source>え？僕の名前知ってたの？あんまり親しくはないけどなぁ。</source>
        <translation>Huh? He knew my name? We&apos;re not really friends, though.</translation>
    </message>
    <message>
        <source>確か横田さんの友達だよ。横田さんに聞いてみたら？</source>
        <translation>I think he&apos;s a friend of Miss Yokota&apos;s. Why don&apos;t you ask her?</translation>
    </message>
    <message>
        <source>妖精の樹の根本に妖精の絵？知らないなぁ。僕が描いたんじゃないよ。</source>
        <translation>Fairy pictures at the foot of the fairy tree? Never saw any. I didn&apos;t draw them!</translation>
    </message>
    <message>
        <source>あれ？そのカードって妖精カードと違うね？どうしたの、それ？</source>
        <translation>Huh? That&apos;s not a Fairy card, is it? Where&apos;d you get that?</translation>
    </message>
    <message>
        <source>かくかくしかじか・・・・・・。</source>
        <translation>And so on, and so forth...</translation>
    </message>
    <message>
        <source>へ～え、良いなぁ・・・・・・。僕もまた行ってみよう。</source>
        <translation>Whoa, lucky... I&apos;m gonna go there again too.</translation>
    </message>
    <message>
        <source>んじゃ、またね。</source>
        <translation>Okay, see ya!</translation>
    </message>
    <message>
        <source>妖精の樹、行ってみたけど妖精の絵なんてなかったよ？</source>
        <translation>I went to the fairy tree, but there weren&apos;t any fairy pictures!</translation>
    </message>
    <message>
        <source>何も起こらなかったし。くやしいなぁ。・・・・・・・まあいいか。</source>
        <translation>And nothing happened. No fair... Oh well.</translation>
    </message>
    <message>
        <source>留守みたいだ・・・・・・。帰ろう。</source>
        <translation>Looks like nobody&apos;s home... I&apos;ll head back.</translation>
    </message>
    <message>
        <source>あら、来てくれたの。カード勝負？</source>
        <translation>Oh, you came. Here for a card duel?</translation>
    </message>
    <message>
        <source>え？金髪の男？高峰の事？高峰 武。よくわかんないやつなのよ、それが。</source>
        <translation>A blond man? You mean Takamine? Takamine Takeshi. He&apos;s a hard one to figure out, that one.</translation>
    </message>
    <message>
        <source>別に貧乏なわけでもないのに何を好き好んであんな所に住んでるんだか・・・・・・。</source>
        <translation>He&apos;s not even poor, yet he chooses to live in a place like that...</translation>
    </message>
    <message>
        <source>会いたいの？・・・・・そうねぇ、私から「魔王」カード取ったら合い鍵あげるわ。</source>
        <translation>You want to meet him? ...Well, win my Demon King card and I&apos;ll give you his spare key.</translation>
    </message>
    <message>
        <source>カギなんかなくたって開きそうなドアだけどね。</source>
        <translation>Not that his door looks like it needs a key.</translation>
    </message>
    <message>
        <source>勝負する？</source>
        <translation>Shall we duel?</translation>
    </message>
    <message>
        <source>する</source>
        <translation>Let&apos;s</translation>
    </message>
    <message>
        <source>しない</source>
        <translation>No thanks</translation>
    </message>
    <message>
        <source>いつでも相手になるわよ。またね。</source>
        <translation>I&apos;ll take you on anytime. See you.</translation>
    </message>
    <message>
        <source>なかなか良い勘してるわね。</source>
        <translation>You&apos;ve got pretty good instincts.</translation>
    </message>
    <message>
        <source>もうちょっと、カードが強くないと駄目ね。</source>
        <translation>You&apos;ll need stronger cards than that.</translation>
    </message>
    <message>
        <source>さすが、高原さんが言ってた通りの腕前だわ。</source>
        <translation>You&apos;re just as good as Takahara said.</translation>
    </message>
    <message>
        <source>「魔王」カード取られるのも、時間の問題って気がするわね。</source>
        <translation>I have a feeling losing my Demon King card is only a matter of time.</translation>
    </message>
    <message>
        <source>「魔王」カードって使い方難しいわね。</source>
        <translation>The Demon King card is tricky to use, isn&apos;t it?</translation>
    </message>
    <message>
        <source>はい、賞品。高峰によろしくね。</source>
        <translation>Here, your prize. Say hi to Takamine for me.</translation>
    </message>
    <message>
        <source>高峰の家の合い鍵を手に入れた。</source>
        <translation>You got the spare key to Takamine&apos;s house.</translation>
    </message>
    <message>
        <source>またうちに寄ってね。</source>
        <translation>Drop by my place again.</translation>
    </message>
    <message>
        <source>また私と勝負しない？</source>
        <translation>Care for another duel with me?</translation>
    </message>
    <message>
        <source>そう。たまには私にも付き合ってね。</source>
        <translation>I see. Do make time for me now and then.</translation>
    </message>
    <message>
        <source>良い勝負してるわね。</source>
        <translation>We&apos;re well matched, aren&apos;t we?</translation>
    </message>
    <message>
        <source>今回はラッキーだったわね。</source>
        <translation>Lucky me, this time.</translation>
    </message>
    <message>
        <source>さすがに、鮮やかなお手並みだわ。</source>
        <translation>Impressive. Brilliantly played.</translation>
    </message>
    <message>
        <source>またやりましょうね。</source>
        <translation>Let&apos;s play again sometime.</translation>
    </message>
    <message>
        <source>もしかして、あなたが{name}？</source>
        <translation>Could you be {name}?</translation>
    </message>
    <message>
        <source>私は横田 真央。高原さんがあなたの事手放しで誉めてたわよ。コルヴァーン、強いんですって？</source>
        <translation>I&apos;m Yokota Mao. Takahara couldn&apos;t stop praising you. I hear you&apos;re good at KORVANE?</translation>
    </message>
    <message>
        <source>一度私と勝負してみない？勝ったら良いものあげるわよ？</source>
        <translation>Why not try a duel with me? Win, and I&apos;ll give you something nice.</translation>
    </message>
    <message>
        <source>のった！</source>
        <translation>You&apos;re on!</translation>
    </message>
    <message>
        <source>今はちょっと</source>
        <translation>Not now</translation>
    </message>
    <message>
        <source>そう。じゃあ、私は家に帰るわね。今度遊びに来て。</source>
        <translation>I see. Then I&apos;ll head home. Come visit sometime.</translation>
    </message>
    <message>
        <source>こんなところに一人でいてもしょうがないな。</source>
        <translation>No point hanging around here by myself.</translation>
    </message>
    <message>
        <source>惜しかったわね。プレゼントは保留しとくわ。</source>
        <translation>So close. I&apos;ll hold on to your present for now.</translation>
    </message>
    <message>
        <source>リベンジはまた今度ね。待ってるわ。</source>
        <translation>Save your revenge for next time. I&apos;ll be waiting.</translation>
    </message>
    <message>
        <source>さすが、強いわね。</source>
        <translation>Impressive. You really are strong.</translation>
    </message>
    <message>
        <source>約束だったわね。はい、これどうぞ。</source>
        <translation>A promise is a promise. Here, this is for you.</translation>
    </message>
    <message>
        <source>「ウィル・オ・ウィスプ」カードを手に入れた。</source>
        <translation>You got the Will o&apos; the Wisp card.</translation>
    </message>
    <message>
        <source>じゃ、私は先に帰るわね。うちにも遊びに来てね。</source>
        <translation>Well, I&apos;ll be heading home. Come visit me too.</translation>
    </message>
    <message>
        <source>本当にお化け屋敷みたいなところだ・・・・・・。</source>
        <translation>This place really is like a haunted house...</translation>
    </message>
    <message>
        <source>ん？誰かいるぞ？</source>
        <translation>Hm? Is someone there?</translation>
    </message>
    <message>
        <source>お客様ですか？ようこそいらっしゃいました。</source>
        <translation>A visitor? Welcome, and thank you for coming.</translation>
    </message>
    <message>
        <source>ご用件承りますが・・・？</source>
        <translation>How may I help you...?</translation>
    </message>
    <message>
        <source>勝負！</source>
        <translation>Duel!</translation>
    </message>
    <message>
        <source>特に無し</source>
        <translation>Nothing</translation>
    </message>
    <message>
        <source>そうですか・・・。また、お越しください。</source>
        <translation>I see... Please do come again.</translation>
    </message>
    <message>
        <source>扉は硬く閉ざされている。扉には勇者の絵が描いてある。</source>
        <translation>The door is shut tight. A picture of a hero is painted on it.</translation>
    </message>
    <message>
        <source>「勇者｣カードに関係がありそうだ。出直してこよう。</source>
        <translation>It must have something to do with the Hero card. I&apos;ll come back later.</translation>
    </message>
    <message>
        <source>勝てなかった・・・・・・。</source>
        <translation>I couldn&apos;t win...</translation>
    </message>
    <message>
        <source>勝ったぞ！</source>
        <translation>I won!</translation>
    </message>
    <message>
        <source>・・・・・・・・・・・・。</source>
        <translation>............</translation>
    </message>
    <message>
        <source>女の子はにっこり微笑むとこつぜんと姿を消した。</source>
        <translation>The girl gave a sweet smile and vanished into thin air.</translation>
    </message>
    <message>
        <source>ゲームの楽しさを理解できたのだろうか・・・・・・。</source>
        <translation>Did she come to understand how fun the game is...?</translation>
    </message>
    <message>
        <source>妖精の木の根本？</source>
        <translation>The foot of the fairy tree?</translation>
    </message>
    <message>
        <source>妖精の絵が５つ描いてある。</source>
        <translation>Five fairies are drawn here.</translation>
    </message>
    <message>
        <source>風見君が描いたのかな？</source>
        <translation>Did Kazami draw these?</translation>
    </message>
    <message>
        <source>おや。・・・・・・誰だ？君は。</source>
        <translation>Well, well... And who are you?</translation>
    </message>
    <message>
        <source>{name}っていうのか。ここには、何しに来たんだ？</source>
        <translation>{name}, is it? What brings you here?</translation>
    </message>
    <message>
        <source>妖精探し</source>
        <translation>Fairy hunting</translation>
    </message>
    <message>
        <source>散歩</source>
        <translation>Just a walk</translation>
    </message>
    <message>
        <source>ククク、妖精探しねぇ。そういえば風見が妖精、妖精って騒いでたな・・・・・・。</source>
        <translation>Heh heh, fairy hunting, huh. Come to think of it, Kazami keeps going on about fairies...</translation>
    </message>
    <message>
        <source>ここは散歩に来るような場所じゃない。散歩ならどこか別の場所へ行きな。</source>
        <translation>This is no place for a walk. Go take your stroll somewhere else.</translation>
    </message>
    <message>
        <source>誰もいない・・・・・・。</source>
        <translation>Nobody&apos;s here...</translation>
    </message>
    <message>
        <source>そうだな、俺に勝てたら良いこと教えてやるぜ？</source>
        <translation>Tell you what: beat me, and I&apos;ll let you in on something good.</translation>
    </message>
    <message>
        <source>やめとく</source>
        <translation>I&apos;ll pass</translation>
    </message>
    <message>
        <source>賢明な判断だ。じゃあな。</source>
        <translation>A wise choice. See you.</translation>
    </message>
    <message>
        <source>なんだ、あいつ？</source>
        <translation>What&apos;s with that guy?</translation>
    </message>
    <message>
        <source>・・・・・・ふん。じゃあな。</source>
        <translation>...Hmph. See you.</translation>
    </message>
    <message>
        <source>まあ、こんなもんだろう。じゃあな。</source>
        <translation>Well, that&apos;s about what I expected. See you.</translation>
    </message>
    <message>
        <source>お前、相当カードオタクだな。じゃあ、良いこと教えてやろう。</source>
        <translation>You&apos;re quite the card nerd. All right, here&apos;s something good.</translation>
    </message>
    <message>
        <source>ここはな、元々は墓場だったんだ。だからあまりここには近づかない方が良いぜ？</source>
        <translation>This place used to be a graveyard. So you&apos;d better not come around here much.</translation>
    </message>
    <message>
        <source>そうだな。忠告代わりにこれやるよ。</source>
        <translation>Here. Take this, as a warning.</translation>
    </message>
    <message>
        <source>「死神」カードを手に入れた。</source>
        <translation>You got the Reaper card.</translation>
    </message>
    <message>
        <source>じゃあな。せいぜい強くなれよ。</source>
        <translation>See you. Try to get stronger, at least.</translation>
    </message>
    <message>
        <source>マスターズチェックポイントを通過しました。難易度がマスターレベルになります。</source>
        <translation>You passed the Masters&apos; Checkpoint. The game is now at master level.</translation>
    </message>
    <message>
        <source>あなたの名前にマスターマーク※が付きます。</source>
        <translation>Your name now carries the master mark ※.</translation>
    </message>
    <message>
        <source>妖精の絵が消えている。</source>
        <translation>The fairy pictures are gone.</translation>
    </message>
    <message>
        <source>！！！</source>
        <translation>!!!</translation>
    </message>
    <message>
        <source>持っていた「妖精」カードの絵柄が変わっていく・・・・・・。</source>
        <translation>The picture on your Fairy card is changing...</translation>
    </message>
    <message>
        <source>「フェアリー」カードを手に入れた。</source>
        <translation>You got the Faerie card.</translation>
    </message>
    <message>
        <source>？？？</source>
        <translation>???</translation>
    </message>
    <message>
        <source>墓場・・・。ここで一体何があったんだろう。</source>
        <translation>A graveyard... What on earth happened here?</translation>
    </message>
    <message>
        <source>ここは一体何なんだろう？</source>
        <translation>What is this place?</translation>
    </message>
    <message>
        <source>今回の戦績は%1勝%2敗%3引き分けだった。</source>
        <translation>This series: %1 won, %2 lost, %3 drawn.</translation>
    </message>
    <message>
        <source>『%1』</source>
        <extracomment>The brackets around a notice (blue: results, cards received or lost).</extracomment>
        <translation>[%1]</translation>
    </message>
    <message>
        <source>終わりにしようかな？</source>
        <translation>Should I call it a day?</translation>
    </message>
    <message>
        <source>終わる</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>まだまだ</source>
        <translation>Not yet</translation>
    </message>
    <message>
        <source>あ、いらっしゃ～い。{name}よね。さっき真道君から電話があったんだ～。私、高原 良絵ってゆ～の。</source>
        <translation>Oh, welco~me! You&apos;re {name}, right? Shindo just called me~. I&apos;m Takahara Yoshie~.</translation>
    </message>
    <message>
        <source>ふふ。んじゃ、さっそく。勝負勝負。</source>
        <translation>Hehe. So, let&apos;s get right to it. Duel, duel!</translation>
    </message>
    <message>
        <source>ん～。また来てね～。</source>
        <translation>Mm~. Come again~.</translation>
    </message>
    <message>
        <source>勝負しよっか？</source>
        <translation>Wanna duel?</translation>
    </message>
    <message>
        <source>なかなか良い勝負ね～。</source>
        <translation>What a close game~.</translation>
    </message>
    <message>
        <source>私の勝ち～♪これって結構珍しいことよね。</source>
        <translation>I wo~n♪ That doesn&apos;t happen very often, you know.</translation>
    </message>
    <message>
        <source>なんだ～、結構強いんだ～。これなら真道君とも良い勝負できるんじゃない？</source>
        <translation>Wow~, you&apos;re pretty strong~. I bet you could give Shindo a good game!</translation>
    </message>
    <message>
        <source>え？私の作った強いカード？私は強いカードは描かないよ。</source>
        <translation>Huh? Strong cards I made? I don&apos;t draw strong cards.</translation>
    </message>
    <message>
        <source>弱い方がかわいいもん。私の描いたかわいいカードまだあるんだけど、まだ見せてあげないよ～。</source>
        <translation>Weak ones are cuter! I&apos;ve drawn more cute cards, but I&apos;m not showing you yet~.</translation>
    </message>
    <message>
        <source>でも、そうねぇ。強いカードって誰が描いてるんだろ。</source>
        <translation>But hmm~, who draws the strong cards, I wonder?</translation>
    </message>
    <message>
        <source>真道君何か知ってるんじゃないのかな？真道君カード通だし。</source>
        <translation>Maybe Shindo knows something? He&apos;s a real card buff.</translation>
    </message>
    <message>
        <source>またやろうね。</source>
        <translation>Let&apos;s play again!</translation>
    </message>
    <message>
        <source>それじゃ、また来てね。いつも家にいるから。</source>
        <translation>Well then, come again! I&apos;m always home.</translation>
    </message>
    <message>
        <source>いらっしゃ～い。勝負する？</source>
        <translation>Welco~me! Wanna duel?</translation>
    </message>
    <message>
        <source>じゃ、また今度遊ぼうね。</source>
        <translation>Okay, let&apos;s play next time!</translation>
    </message>
    <message>
        <source>なかなか私も健闘したな♪</source>
        <translation>I put up a pretty good fight♪</translation>
    </message>
    <message>
        <source>あれ？勝っちゃった♪やった～♪</source>
        <translation>Oh? I won♪ Yay~♪</translation>
    </message>
    <message>
        <source>やっぱり勝てないや～。</source>
        <translation>I just can&apos;t win~.</translation>
    </message>
    <message>
        <source>またいつでも来てね～。</source>
        <translation>Come back anytime~.</translation>
    </message>
    <message>
        <source>あ、いらしゃ～い。</source>
        <translation>Oh, welco~me.</translation>
    </message>
    <message>
        <source>惜しかったな～。強いカード作ったんだけどね、さっき横田さんが来たからあげちゃった～。</source>
        <translation>Aww, too bad~. I did make a strong card, but Yokota came by just now, so I gave it to her~.</translation>
    </message>
    <message>
        <source>横田さんのとこに行ってみたら？でも、横田さん見かけに寄らず攻撃的な人だから気をつけてね～。</source>
        <translation>Why not go see Yokota? But careful~, she&apos;s fiercer than she looks~.</translation>
    </message>
    <message>
        <source>あれ～？パーフェクト負けだ～。本当に強いね～、{name}。</source>
        <translation>Whaa~? A perfect loss~. You&apos;re really strong~, {name}.</translation>
    </message>
    <message>
        <source>{name}にならあげても良いかな～。これ、あげる。</source>
        <translation>I guess I could give this to you, {name}~. Here, it&apos;s yours.</translation>
    </message>
    <message>
        <source>「ワーキャット」カードを手に入れた。</source>
        <translation>You got the Werecat card.</translation>
    </message>
    <message>
        <source>大事にしてね、それ。</source>
        <translation>Take good care of it, &apos;kay?</translation>
    </message>
    <message>
        <source>ようこそ！俺は真道 祐樹。今、カードにはまってんだ。この辺で流行っててさ。</source>
        <translation>Welcome! I&apos;m Shindo Yuki. I&apos;m totally into cards right now. They&apos;re all the rage around here.</translation>
    </message>
    <message>
        <source>カード持ってないんだろ？いくつかやるよ。</source>
        <translation>You don&apos;t have any cards, right? Here, have a few.</translation>
    </message>
    <message>
        <source>色々なカードを手に入れた。</source>
        <translation>You got all sorts of cards.</translation>
    </message>
    <message>
        <source>そうだなあ。俺が相手をしても良いけど、まずは高原さんとやってみるといいよ。</source>
        <translation>Let&apos;s see. I could play you myself, but you should try Takahara first.</translation>
    </message>
    <message>
        <source>こういうカードは全部彼女が作ってるんだ。・・・でも、そのわりにはあまり強いカードを持ってないな？なんでだろうな？</source>
        <translation>She makes all these cards. ...Funny, though, she hardly has any strong ones. Wonder why?</translation>
    </message>
    <message>
        <source>まあいいか。とりあえず一度行ってみな。強いカードが手に入ったらもう一度俺のとこに来なよ。</source>
        <translation>Whatever. Just go see her. Once you&apos;ve got some strong cards, come back to me.</translation>
    </message>
    <message>
        <source>カード、足りないのか？少し、やるよ。</source>
        <translation>Short on cards? Here, have a few.</translation>
    </message>
    <message>
        <source>勝負するかい？</source>
        <translation>Up for a duel?</translation>
    </message>
    <message>
        <source>じゃ、また今度な。楽しみにしてるぜ。</source>
        <translation>Next time, then. I&apos;m looking forward to it.</translation>
    </message>
    <message>
        <source>ふ～～う。なかなかやるじゃん。</source>
        <translation>Phew~. Not bad at all.</translation>
    </message>
    <message>
        <source>まだ俺の方が強いかな。</source>
        <translation>Guess I&apos;m still the stronger one.</translation>
    </message>
    <message>
        <source>なんだよ、けっこう強いじゃん。</source>
        <translation>Whoa, you&apos;re pretty good.</translation>
    </message>
    <message>
        <source>でもまあ、強いカードを奪えないと勝ったとは言えないよな。</source>
        <translation>Still, it&apos;s no real win till you take the strong cards.</translation>
    </message>
    <message>
        <source>今度またやろうぜ。</source>
        <translation>Let&apos;s play again sometime.</translation>
    </message>
    <message>
        <source>強いカードも取られちまったしなぁ。</source>
        <translation>And you even took my strong cards.</translation>
    </message>
    <message>
        <source>強いカード？俺は、風見から取ったんだよ。風見に聞いてみればわかるかもしれないな。</source>
        <translation>The strong cards? I won them off Kazami. Ask him, maybe he knows.</translation>
    </message>
    <message>
        <source>そう言えばあいつ、妖精から妖精カードもらったとか言ってたんだよな。嘘だと思うけどさ。</source>
        <translation>Come to think of it, he said a fairy gave him Fairy cards. I bet he made that up, though.</translation>
    </message>
    <message>
        <source>どちらにしろあいつ、いっぱいカード持ってるから対戦してみると良いぜ。</source>
        <translation>Either way, he&apos;s got loads of cards, so go challenge him.</translation>
    </message>
    <message>
        <source>じゃあな、またうちにも来てくれよ。</source>
        <translation>See ya. Drop by my place again too.</translation>
    </message>
    <message>
        <source>お、来たな。勝負するか？</source>
        <translation>Oh, you&apos;re here. Wanna duel?</translation>
    </message>
    <message>
        <source>そっか。じゃ、また今度な。</source>
        <translation>Okay. Next time, then.</translation>
    </message>
    <message>
        <source>ふう、良い勝負だな。</source>
        <translation>Phew, good game.</translation>
    </message>
    <message>
        <source>よっしゃ！俺の勝ちだな。</source>
        <translation>All right! I win!</translation>
    </message>
    <message>
        <source>ふ～う、やっぱおまえ強いなぁ。</source>
        <translation>Phew~, you really are strong.</translation>
    </message>
    <message>
        <source>また来てくれよ。</source>
        <translation>Come again, okay?</translation>
    </message>
    <message>
        <source>カードを少しもらった。</source>
        <translation>You got a few cards.</translation>
    </message>
    <message>
        <source>まず勝てそうなやつから対戦していけよ。</source>
        <translation>Start with the people you think you can beat.</translation>
    </message>
    <message>
        <source>負けが確定したらいかにしてカードを取られないようにするかもポイントだぜ。</source>
        <translation>And once a loss is certain, the trick is to lose as few cards as you can.</translation>
    </message>
    <message>
        <source>頑張れよ。</source>
        <translation>Good luck.</translation>
    </message>
    <message>
        <source>あんまりあせらないで枚数増やしていけよ。</source>
        <translation>Don&apos;t rush it. Build up your cards bit by bit.</translation>
    </message>
    <message>
        <source>じゃ、頑張れよ。</source>
        <translation>Well, good luck.</translation>
    </message>
    <message>
        <source>それにしても、ずいぶんと取られたなぁ、お前には。もうヤケだ。持ってけ持ってけ。</source>
        <translation>Man, you&apos;ve taken a ton of my cards. Ah, forget it. Take these too, take &apos;em!</translation>
    </message>
    <message>
        <source>「ナイト」カードを手に入れた。</source>
        <translation>You got the Knight card.</translation>
    </message>
    <message>
        <source>「ゴーレム」カードを手に入れた。</source>
        <translation>You got the Golem card.</translation>
    </message>
    <message>
        <source>「ジェネラル」カードを手に入れた。</source>
        <translation>You got the General card.</translation>
    </message>
    <message>
        <source>誰にも負けんなよ！</source>
        <translation>Don&apos;t lose to anyone!</translation>
    </message>
    <message>
        <source>コンコン！</source>
        <translation>Knock, knock!</translation>
    </message>
    <message>
        <source>返事が無い。出直してこよう。</source>
        <translation>No answer. I&apos;ll come back later.</translation>
    </message>
    <message>
        <source>誰だ、君は。勝手に入ってくるなんて、なかなか愉快なやつだな。</source>
        <translation>Who are you? Barging in uninvited... you&apos;re an amusing one.</translation>
    </message>
    <message>
        <source>たしか君は、前に会ったな。{name}だったかな。</source>
        <translation>I believe we&apos;ve met. {name}, wasn&apos;t it?</translation>
    </message>
    <message>
        <source>そうか、{name}っていうのか。</source>
        <translation>I see. {name}, is it.</translation>
    </message>
    <message>
        <source>なんの用かな？妖精の樹の話？</source>
        <translation>What do you want? The story of the fairy tree?</translation>
    </message>
    <message>
        <source>ふん、馬鹿に語ってもしょうがない。カードで勝てたら教えてやるぜ？</source>
        <translation>Hmph. No use telling it to a fool. Beat me at cards and I&apos;ll tell you.</translation>
    </message>
    <message>
        <source>勝負するのか？</source>
        <translation>So, will you duel?</translation>
    </message>
    <message>
        <source>それが良い、そうしな。</source>
        <translation>Wise. Stick with that.</translation>
    </message>
    <message>
        <source>じゃあな。</source>
        <translation>See you.</translation>
    </message>
    <message>
        <source>ふん・・・・・・。力不足だ。</source>
        <translation>Hmph... Not good enough.</translation>
    </message>
    <message>
        <source>はっ、馬鹿のための語り種（かたりぐさ）はないね。</source>
        <translation>Ha! I&apos;ve got no tales for fools.</translation>
    </message>
    <message>
        <source>たまたまだ、たまたま。「勇者」カードを取れなきゃ勝ちとは言えないね。</source>
        <translation>A fluke, just a fluke. It&apos;s no win unless you take the Hero card.</translation>
    </message>
    <message>
        <source>もっと賢くなってから来な。</source>
        <translation>Come back when you&apos;re smarter.</translation>
    </message>
    <message>
        <source>ふん、カードオタクが・・・・・・。まあいいだろう。</source>
        <translation>Hmph, you card nerd... Fine, then.</translation>
    </message>
    <message>
        <source>またカードやるのかい？</source>
        <translation>Cards again, is it?</translation>
    </message>
    <message>
        <source>そうかい。じゃあな。</source>
        <translation>Is that so. See you.</translation>
    </message>
    <message>
        <source>なかなか良い勝負だな。</source>
        <translation>Not a bad match.</translation>
    </message>
    <message>
        <source>はっ、実力の差だな。</source>
        <translation>Ha! That&apos;s the gap in skill.</translation>
    </message>
    <message>
        <source>偶然も、度重なると気味が悪いな。</source>
        <translation>One fluke after another... it&apos;s getting creepy.</translation>
    </message>
    <message>
        <source>しかし、お前との勝負は結構面白い。また来な。</source>
        <translation>Still, playing you is fairly amusing. Come again.</translation>
    </message>
    <message>
        <source>妖精の樹はな、元々はある有名な兵士の眠る墓だったものだ。</source>
        <translation>The fairy tree was once the grave of a famous soldier.</translation>
    </message>
    <message>
        <source>彼は勇者と呼ばれ、最強の兵士だった。丁度この「勇者」カードのようにな。</source>
        <translation>They called him the Hero, the strongest soldier of all. Just like this Hero card.</translation>
    </message>
    <message>
        <source>しかし、彼は戦いを憎んでいた。戦う事を嫌っていた。</source>
        <translation>But he hated war. He loathed fighting.</translation>
    </message>
    <message>
        <source>そんな折り、魔物と人間の史上最大級の戦争が勃発（ぼっぱつ）した。</source>
        <translation>Then the greatest war in history broke out, between monsters and humans.</translation>
    </message>
    <message>
        <source>彼は、ひとつのカードゲームを考案し、最前線でこう提案した。</source>
        <translation>He devised a card game, and at the front line he made an offer:</translation>
    </message>
    <message>
        <source>「殺し合いは無意味だ。ひとつ、ゲームをして、負けた方が捕虜になろうじゃないか。」</source>
        <translation>“Killing each other is pointless. Let us play a game instead, and the loser shall be taken prisoner.”</translation>
    </message>
    <message>
        <source>相手もその提案をのみ、魔族対人間のゲームが始まった。</source>
        <translation>The enemy accepted, and so began the game of demons against humans.</translation>
    </message>
    <message>
        <source>対戦は明日にということになり、その勇者は安心して眠りについた。</source>
        <translation>The match was set for the next day, and the Hero went to sleep at ease.</translation>
    </message>
    <message>
        <source>どうなったかはわかるだろう？勇者はその夜不意をついて責めてきた魔物に簡単にやられてしまった。</source>
        <translation>You can guess what happened. That night the monsters struck by surprise, and the Hero fell easily.</translation>
    </message>
    <message>
        <source>勇者は、うすうすそのことに気づいていながら、わかりあえないのならと、甘んじて殺されたのだ。</source>
        <translation>He had half expected it. If they could not understand each other, he would rather be killed.</translation>
    </message>
    <message>
        <source>しかし、それをそういうものと割りきれなかった彼の遊び心だけが、この世にカードとして残った。</source>
        <translation>But his playful spirit could not accept such an end, and it alone stayed in this world, as cards.</translation>
    </message>
    <message>
        <source>同じように、彼の作ったカードゲームを愛しながら戦争中に倒れた人々は、死後カードになった。</source>
        <translation>Likewise, those who loved his game and fell in the war became cards after death.</translation>
    </message>
    <message>
        <source>・・・・・・なんていう話はどうかな？</source>
        <translation>...How&apos;s that for a story?</translation>
    </message>
    <message>
        <source>俺は小説家志望なんだ。続きがある。</source>
        <translation>I want to be a novelist, you see. There&apos;s more.</translation>
    </message>
    <message>
        <source>彼の死を一番悲しんだのは彼の妹だ。彼の妹は、逆に、悲しみから遊び心を理解できなくなってしまった。</source>
        <translation>No one grieved his death more than his little sister. Her grief made her forget how to play.</translation>
    </message>
    <message>
        <source>そして彼女は、死してなお彼の家に留まり、遊び心を理解できないままカードで黙々と遊んでいるらしい。</source>
        <translation>Even in death she stays in his house, they say, playing cards in silence, never knowing what fun is.</translation>
    </message>
    <message>
        <source>どうかな？素質あるかい？</source>
        <translation>Well? Have I got talent?</translation>
    </message>
    <message>
        <source>妖精の樹が墓だって事は本当さ。勇者といわれる人物もかつてこの北にある家に住んでいたんだ。</source>
        <translation>The fairy tree really is a grave. And a man they called a hero once lived in the house to the north.</translation>
    </message>
    <message>
        <source>暇だったら行ってみな。肝試しになるぜ。</source>
        <translation>Go take a look if you&apos;re bored. It&apos;ll test your nerve.</translation>
    </message>
    <message>
        <source>じゃあな。また遊びに来な。</source>
        <translation>See you. Come by again.</translation>
    </message>
    <message>
        <source>なに、北の家に人が住んでる？そんなはずはない。</source>
        <translation>What, someone lives in the house up north? That can&apos;t be.</translation>
    </message>
    <message>
        <source>俺はずっと前からここに住んでるが、人の出入りを見た事は一度もないぜ？</source>
        <translation>I&apos;ve lived here a long time, and I&apos;ve never seen anyone go in or out.</translation>
    </message>
    <message>
        <source>寝ぼけてたんじゃないか？</source>
        <translation>Weren&apos;t you half asleep?</translation>
    </message>
    <message>
        <source>しっかりしろよ、おい。</source>
        <translation>Get a grip, come on.</translation>
    </message>
    <message>
        <source>どうした？また北の家にお化けか？ははは。</source>
        <translation>What&apos;s up? Another ghost in the house up north? Ha ha ha.</translation>
    </message>
    <message>
        <source>・・・の用かな？妖精の樹の話？</source>
        <translation>...do you want? The story of the fairy tree?</translation>
    </message>
    <message>
        <source>（あれ？・・・・・・時間が戻った？）</source>
        <translation>(Huh? ...Did time just go back?)</translation>
    </message>
    <message>
        <source>（あれ？「勇者」カードがなくなってる。）</source>
        <translation>(Huh? My Hero card is gone.)</translation>
    </message>
    <message>
        <source>妖精の樹はな、元々はある有名な・・・・・・－－－中略－－－・・・・・・ってみな。肝試しになるぜ。</source>
        <translation>The fairy tree was once the grave of a famous... ---snip--- ...take a look. It&apos;ll test your nerve.</translation>
    </message>
    <message>
        <source>（また同じ話を聞いてしまった。）</source>
        <translation>(I heard the same story all over again.)</translation>
    </message>
    <message>
        <source>勇者カードを持っていないようだな。取られたのか？</source>
        <translation>Looks like you don&apos;t have the Hero card. Did someone take it?</translation>
    </message>
    <message>
        <source>「勇者」カードは高原が持ってるみたいだな。</source>
        <translation>Seems Takahara has the Hero card.</translation>
    </message>
    <message>
        <source>「勇者」カードは真道が持ってるみたいだな。</source>
        <translation>Seems Shindo has the Hero card.</translation>
    </message>
    <message>
        <source>「勇者」カードは風見が持ってるみたいだな。</source>
        <translation>Seems Kazami has the Hero card.</translation>
    </message>
    <message>
        <source>「勇者」カードは横田が持ってるみたいだな。</source>
        <translation>Seems Yokota has the Hero card.</translation>
    </message>
    <message>
        <source>高原といえば、あの人は「ワーキャット」カードを持っていたな。ま、どうせ勝負の場に出す気はないんだろうけどな。</source>
        <translation>Speaking of Takahara, she has a Werecat card. Not that she&apos;d ever play it in a duel.</translation>
    </message>
    <message>
        <source>真道か・・・。あいつも大した事無いカードを何枚も持ってるよな。</source>
        <translation>Shindo, huh... He&apos;s got plenty of cards, none of them much good.</translation>
    </message>
    <message>
        <source>そう言えば、知ってるか？「妖精」と名のつくカードは一枚じゃないらしいな。風見あたり、持ってるんじゃないか？</source>
        <translation>Did you know? Word is, the Fairy isn&apos;t the only card named for a fairy. Maybe Kazami has the other?</translation>
    </message>
    <message>
        <source>横田か・・・。クックック、あいつはどうもＢが好きらしいな。しかも横や後ろばかり・・・。何を考えてるんだ。</source>
        <translation>Yokota, huh... Heh heh, she seems to love her B&apos;s. And always on the sides or the back... What is she thinking?</translation>
    </message>
    <message>
        <source>・・・・・・？おいおい、このゲームデータバグってるぜ？何かやったんじゃないか？</source>
        <translation>......? Hey now, this game data is bugged. Did you do something?</translation>
    </message>
    <message>
        <source>残念だが、やり直せ。「勇者」カードがこの世から消えてる。</source>
        <translation>Too bad, but start over. The Hero card has vanished from the world.</translation>
    </message>
</context>
<context>
    <name>Title</name>
    <message>
        <source>ニューゲーム</source>
        <translation>New Game</translation>
    </message>
    <message>
        <source>続きから</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>始める</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>ゲーム説明</source>
        <translation>How to Play</translation>
    </message>
    <message>
        <source>音楽：ＯＮ</source>
        <translation>Music: ON</translation>
    </message>
    <message>
        <source>音楽：ＯＦＦ</source>
        <translation>Music: OFF</translation>
    </message>
    <message>
        <source>効果音：ＯＮ</source>
        <translation>Sound: ON</translation>
    </message>
    <message>
        <source>効果音：ＯＦＦ</source>
        <translation>Sound: OFF</translation>
    </message>
    <message>
        <source>ＫＯＲＶＡＮＥ</source>
        <translation>KORVANE</translation>
    </message>
    <message>
        <source>自分のプロフィール</source>
        <translation>Your profile</translation>
    </message>
    <message>
        <source>名前：</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>性別：</source>
        <translation>Sex:</translation>
    </message>
    <message>
        <source>男</source>
        <translation>M</translation>
    </message>
    <message>
        <source>女</source>
        <translation>F</translation>
    </message>
</context>
<context>
    <name>Tutorial</name>
    <message>
        <source>ＫＯＲＶＡＮＥはカードゲームの名前です。このゲームはこのカードゲームを中心に展開されていきますので、ルールを説明しましょう。</source>
        <translation>KORVANE is the name of a card game. This game revolves around it, so let me explain the rules.</translation>
    </message>
    <message>
        <source>他人と出会って、勝負をすることで合意すると、まずこの画面になります。</source>
        <translation>When you meet someone and agree to a duel, you first come to this screen.</translation>
    </message>
    <message>
        <source>この画面では、持っているカードが表示され、勝負には５枚を選んで使います。</source>
        <translation>This screen shows the cards you own. For a duel you pick five of them.</translation>
    </message>
    <message>
        <source>例えば、これらのカードを持っていたとします</source>
        <translation>Say, for example, you held these cards.</translation>
    </message>
    <message>
        <source>ここで、×2というのは、同じカードを二枚持っていることを意味します。</source>
        <translation>Here, ×2 means that you hold two of the same card.</translation>
    </message>
    <message>
        <source>ダブルクリックで使うカードを決定し、｢勝負！｣ボタンを押すとゲームが始まります。</source>
        <translation>Double-click the cards you want to use, then press the “Duel!” button to start the game.</translation>
    </message>
    <message>
        <source>決定し直したい場合は、５枚カードを選んだ後、「選び直す」ボタンを押すともう一度選び直せます。</source>
        <translation>To change your mind, press the “Choose again” button after picking five cards, and pick anew.</translation>
    </message>
    <message>
        <source>さて、ゲームを始めましょう。</source>
        <translation>Now, let&apos;s start a game.</translation>
    </message>
    <message>
        <source>カードは、その四方に数字、文字、または記号を持っています。</source>
        <translation>Each card has a number, a letter or a symbol on each of its four sides.</translation>
    </message>
    <message>
        <source>このカードを使って､根本的には陣の取り合いをします。陣のことをフィールドといいます。</source>
        <translation>With these cards you basically fight over ground. Your ground is called your field.</translation>
    </message>
    <message>
        <source>自分のフィールドは青く、敵のフィールドは赤く表示され、両方のフィールドが交錯したところは混ざって紫になります。</source>
        <translation>Your field shows blue and the enemy&apos;s red; where both fields cross, they mix into purple.</translation>
    </message>
    <message>
        <source>また、自分に一番近いマスは最初から自分のフィールドになっています。有効に使いましょう。</source>
        <translation>Also, the square nearest you is your field from the start. Make good use of it.</translation>
    </message>
    <message>
        <source>まず、×というのは、全く能力を持たないことを意味します。また、先攻後攻を決める要素にもなり、×をより多く持つ方が先手をうちます。今回はプレイヤーが先手です。</source>
        <translation>First, × means no power at all. It also decides who goes first: the side with more × moves first. This time the player moves first.</translation>
    </message>
    <message>
        <source>×をおいてもあまり良いことは起こりません。</source>
        <translation>Placing a × does little good.</translation>
    </message>
    <message>
        <source>先手がカードを置いたら、次は後手の番です。</source>
        <translation>Once the first player has placed a card, it is the second player&apos;s turn.</translation>
    </message>
    <message>
        <source>数字の場合は、カードを置いた場所から、数字のある向きに数字の分だけのフィールドを作ることが出来ます。</source>
        <translation>A number makes field from where the card lies, that many squares in the direction it points.</translation>
    </message>
    <message>
        <source>そして、相手のカードがある場所に自分のフィールドを作ると、相手のカードを裏返すことが出来ます。</source>
        <translation>And if you make field where an enemy card lies, you turn that card face down.</translation>
    </message>
    <message>
        <source>ひっくり返ったカードは完全に能力を失い、作っていたフィールドが消えます。</source>
        <translation>A card turned face down loses all its power, and the field it made disappears.</translation>
    </message>
    <message>
        <source>このようにして、自分のカードが多くひっくり返されずに残っていた方が勝ちとなります。</source>
        <translation>In this way, the side with more cards left face up wins.</translation>
    </message>
    <message>
        <source>勝った方は、ひっくり返した相手のカードを奪うことが出来ます。</source>
        <translation>The winner takes the loser&apos;s cards that were turned face down.</translation>
    </message>
    <message>
        <source>では、カードの特殊な能力の話をしましょう。</source>
        <translation>Now, let&apos;s talk about the cards&apos; special powers.</translation>
    </message>
    <message>
        <source>ｓはスプリットと読み、これは目の前のひとマスを飛ばしてその後ろを攻撃する能力です。</source>
        <translation>S stands for split: it skips the square right ahead and attacks the one behind it.</translation>
    </message>
    <message>
        <source>見てもわかるように、目の前は死角になっています。</source>
        <translation>As you can see, the square right ahead is a blind spot.</translation>
    </message>
    <message>
        <source>Ａはアークと読み、斜めも合わせて３マスを攻撃することが出来ます。これが入ってくると、より深く考える必要性が出てきます。</source>
        <translation>A stands for arc: it attacks three squares, the diagonals included. With these, you must think harder.</translation>
    </message>
    <message>
        <source>Ｂはボムと読みます。これが一番複雑です。</source>
        <translation>B stands for bomb. This one is the most complex.</translation>
    </message>
    <message>
        <source>スプリットの攻撃範囲にその周辺のマス4マスを加えた5マスが攻撃範囲になります。</source>
        <translation>It hits the split&apos;s square plus the 4 squares around it: 5 squares in all.</translation>
    </message>
    <message>
        <source>ボムは他の文字と違う特徴をその他に２つ持っています。</source>
        <translation>Bombs differ from the other letters in two more ways.</translation>
    </message>
    <message>
        <source>一つは、味方を巻き込んでしまうこと。</source>
        <translation>One: they catch your own cards as well.</translation>
    </message>
    <message>
        <source>また、この構図ではわかりませんが、ボムは、敵をひっくり返すことが出来ても、フィールドを作ることが出来ません。そこにも注意が必要です。</source>
        <translation>Two, though you can&apos;t see it here: a bomb can turn enemy cards face down, but it makes no field. Mind that, too.</translation>
    </message>
    <message>
        <source>以上、簡単ながら説明を終わります。</source>
        <translation>That concludes this short explanation.</translation>
    </message>
    <message>
        <source>ＫＯＲＶＡＮＥの説明を始めます。ふむふむボタンを押してください。</source>
        <translation>Let me explain KORVANE. Press the “I see” button.</translation>
    </message>
</context>
</TS>
