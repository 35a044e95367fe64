5
0, "quoted, with comma"
6.5, "quoted, with comma"
10.5, x
16.5, "quoted, with comma"
25, x
2
1, 1, 1, x
5, 1
0, x
2
2E8, 
2E8, span
1
0.0004, 
4
1, 2, 1, 1, "quoted, with comma"
2, 3, 2, 1, x
3, 4, 1, 1, x
4, 5, 1, 1, x
4
1, 3, 4, -2, 1, 0.25, span
3
2, -2
-4, 0.5, 0, 
2, 4, 9, 7, 0, 0.25, 
3, 1, 7, -5, 0, 0, "quoted, with comma"
2
4, -1, 2, "quoted, with comma"
5, 4, 1, x
