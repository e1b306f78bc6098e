package jp.example.quest;

import com.nttdocomo.ui.*;
import jp.example.quest.parts.Rock;
import jp.example.quest.parts.Score;
import jp.example.quest.parts.Ship;

// A game of five classes in two packages: its main class lies in a package.
public class Quest extends IApplication {
    public void start() {
        Board board = new Board(new Ship(2), new Rock(5), new Score());
        board.step();
        board.step();
        System.out.println(board.describe());
        Display.setCurrent(board);
    }
}
