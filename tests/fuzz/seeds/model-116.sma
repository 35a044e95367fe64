6
0, span
8.5, span
17, x
19, span
28, "quoted, with comma"
29, "quoted, with comma"
2
1, 1, 1, x
6, 1, 0, span
1
2E8, span
1
0.0004, span
5
1, 2
1, 1, "quoted, with comma"
3
2, 1, 1, 
3, 4, 1, 1, 
4, 5, 1, 1, span
6, 5, 1, 1, 
3
4, 4, 3, 9, 1, 0.25, x
4
1, 4
0, 1
0.5, "quoted, with comma"
5, 4, 10, -3, 0, 0, x
2
6
-1, 1, x
6, -1, 3, span
